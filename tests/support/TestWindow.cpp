#include "support/TestWindow.h"

#include <GL/gl.h>

TestWindow::TestWindow()
{
    open = SetVideoMode(video, 640, 480, 32, false);
    if (!open)
        return;
    glClearColor(0, 0, 0, 1);
    glDisable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
}

void TestWindow::Clear(float r, float g, float b)
{
    glClearColor(r, g, b, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glClearColor(0, 0, 0, 1);
    glLoadIdentity();
    glColor4f(1, 1, 1, 1);
}
