#include "engine/GlDrawingState.h"

#include <GL/gl.h>

void ApplyGlDrawingState()
{
    glClearColor(0, 0, 0, 1);
    glDisable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glFrontFace(GL_CW);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
}
