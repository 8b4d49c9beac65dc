#include "support/TestWindow.h"

#include <GL/gl.h>

#include "engine/GlDrawingState.h"

TestWindow::TestWindow()
{
    open = SetVideoMode(video, 640, 480, 32, false);
    if (!open)
        return;
    ApplyGlDrawingState();
}

void TestWindow::Clear(float r, float g, float b)
{
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0, 0, 0, 1);
    glLoadIdentity();
    glColor4f(1, 1, 1, 1);
}
