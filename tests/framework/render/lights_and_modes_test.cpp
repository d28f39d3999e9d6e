#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <vector>

#include "framework/framework.h"
#include "tests/support/gl_feedback.h"
#include "tests/support/gl_fixture.h"

namespace {

using Four = std::array<GLfloat, 4>;

Four lightValue(GLenum light, GLenum what) {
  Four v{};
  glGetLightfv(light, what, v.data());
  return v;
}

Four lightPosition() { return {LIGHTPOSITION[0], LIGHTPOSITION[1], LIGHTPOSITION[2], LIGHTPOSITION[3]}; }

GLfloat floatState(GLenum what) {
  GLfloat v = 0;
  glGetFloatv(what, &v);
  return v;
}

GLint intState(GLenum what) {
  GLint v = 0;
  glGetIntegerv(what, &v);
  return v;
}

class LightsAndModes : public GlTest {};

}  // namespace

TEST_F(LightsAndModes, InitialLightColours) {
  EXPECT_EQ((Four{AMBIENTLIGHT[0], AMBIENTLIGHT[1], AMBIENTLIGHT[2], AMBIENTLIGHT[3]}), (Four{0.5f, 0.5f, 0.5f, 1}));
  EXPECT_EQ((Four{DIFFUSELIGHT[0], DIFFUSELIGHT[1], DIFFUSELIGHT[2], DIFFUSELIGHT[3]}), (Four{1, 1, 1, 1}));
  EXPECT_EQ((Four{SPECULARLIGHT[0], SPECULARLIGHT[1], SPECULARLIGHT[2], SPECULARLIGHT[3]}), (Four{1, 1, 1, 1}));
}

TEST_F(LightsAndModes, TwoSidedLightingSwitches) {
  TWOSIDEON();
  EXPECT_EQ(floatState(GL_LIGHT_MODEL_TWO_SIDE), 1.0f);
  TWOSIDEOFF();
  EXPECT_EQ(floatState(GL_LIGHT_MODEL_TWO_SIDE), 0.0f);
  EXPECT_TRUE(NoGlError());
}

TEST_F(LightsAndModes, SwitchesInsideAListTakeEffectWhenItRuns) {
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  TWOSIDEON();
  SETGLSPRITE();
  glEndList();
  EXPECT_EQ(floatState(GL_LIGHT_MODEL_TWO_SIDE), 0.0f);
  EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
  glCallList(list);
  EXPECT_EQ(floatState(GL_LIGHT_MODEL_TWO_SIDE), 1.0f);
  EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
  glDeleteLists(list, 1);
  EXPECT_TRUE(NoGlError());
}

TEST_F(LightsAndModes, RefractiveCullsBackFacesAndKeepsTheShadeModel) {
  for (GLenum shadeModel : {GL_FLAT, GL_SMOOTH}) {
    glDisable(GL_CULL_FACE);
    glCullFace(GL_FRONT);
    glFrontFace(GL_CW);
    glShadeModel(shadeModel);
    SETGLREFRACTIVE();
    EXPECT_TRUE(NoGlError());
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_EQ(intState(GL_CULL_FACE_MODE), GL_BACK);
    EXPECT_EQ(intState(GL_FRONT_FACE), GL_CCW);
    EXPECT_EQ(intState(GL_SHADE_MODEL), static_cast<GLint>(shadeModel));
  }
}

// The sprite mode really discards fragments with alpha 0.4 or less.
TEST_F(LightsAndModes, SpriteModeCutsOutLowAlpha) {
  SETGLSPRITE();
  EXPECT_TRUE(glIsEnabled(GL_ALPHA_TEST));
  EXPECT_EQ(intState(GL_ALPHA_TEST_FUNC), GL_GREATER);
  EXPECT_FLOAT_EQ(floatState(GL_ALPHA_TEST_REF), 0.4f);

  glViewport(0, 0, 4, 1);
  glClearColor(0, 0, 0, 0);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  const GLfloat alphas[4] = {0.1f, 0.38f, 0.45f, 0.9f};
  glBegin(GL_QUADS);
  for (int i = 0; i < 4; ++i) {
    const float left = -1 + i * 0.5f;
    glColor4f(1, 1, 1, alphas[i]);
    glVertex2f(left, -1);
    glVertex2f(left + 0.5f, -1);
    glVertex2f(left + 0.5f, 1);
    glVertex2f(left, 1);
  }
  glEnd();
  GLubyte pixels[4 * 4] = {};
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, 4, 1, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
  EXPECT_EQ(pixels[0], 0);    // alpha 0.1: cut out
  EXPECT_EQ(pixels[4], 0);    // alpha 0.38: cut out
  EXPECT_EQ(pixels[8], 255);  // alpha 0.45: drawn
  EXPECT_EQ(pixels[12], 255);
  EXPECT_TRUE(NoGlError());
}

TEST_F(LightsAndModes, SpriteOffAlwaysRestoresDepthWritesAndBlendingOff) {
  glEnable(GL_BLEND);
  glDepthMask(GL_FALSE);
  SETGLSPRITE();
  EXPECT_TRUE(glIsEnabled(GL_BLEND));  // the sprite mode touches neither
  SETGLSPRITEOFF();
  EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  GLboolean depthMask = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthMask);
  EXPECT_EQ(depthMask, GL_TRUE);
  EXPECT_TRUE(NoGlError());
}

TEST_F(LightsAndModes, SetLightSwitchesOnWithTheColoursAndPosition) {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  SETGLLIGHT(GL_LIGHT0, 0, 0, 0, 0.1f);
  EXPECT_TRUE(NoGlError());
  EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
  EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
  EXPECT_EQ(lightValue(GL_LIGHT0, GL_AMBIENT), (Four{0.5f, 0.5f, 0.5f, 1}));
  EXPECT_EQ(lightValue(GL_LIGHT0, GL_DIFFUSE), (Four{1, 1, 1, 1}));
  EXPECT_EQ(lightValue(GL_LIGHT0, GL_SPECULAR), (Four{1, 1, 1, 1}));
  EXPECT_EQ(lightValue(GL_LIGHT0, GL_POSITION), (Four{0, 0, 0, 0.1f}));
  EXPECT_EQ(lightPosition(), (Four{0, 0, 0, 0.1f}));
}

TEST_F(LightsAndModes, SetLightReadsTheColourGlobalsAtEachCall) {
  const Four saved = {AMBIENTLIGHT[0], AMBIENTLIGHT[1], AMBIENTLIGHT[2], AMBIENTLIGHT[3]};
  AMBIENTLIGHT[0] = 0.25f;
  AMBIENTLIGHT[2] = 0.75f;
  SETGLLIGHT(GL_LIGHT2, 1, 2, 3, 0);
  EXPECT_EQ(lightValue(GL_LIGHT2, GL_AMBIENT), (Four{0.25f, 0.5f, 0.75f, 1}));
  for (int i = 0; i < 4; ++i) AMBIENTLIGHT[i] = saved[i];
}

TEST_F(LightsAndModes, LightPositionsFollowTheModelviewAndTheLastCall) {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(1, 2, 3);
  SETGLLIGHT(GL_LIGHT1, 0, 0, 0, 1);
  SETGLLIGHT(GL_LIGHT3, 4, 5, 6, 0);
  // Positional lights move with the matrix, directional ones do not.
  EXPECT_EQ(lightValue(GL_LIGHT1, GL_POSITION), (Four{1, 2, 3, 1}));
  EXPECT_EQ(lightValue(GL_LIGHT3, GL_POSITION), (Four{4, 5, 6, 0}));
  EXPECT_EQ(lightPosition(), (Four{4, 5, 6, 0}));
  EXPECT_TRUE(NoGlError());
}

TEST_F(LightsAndModes, PointLightPlacesTheLightAndDrawsOnePoint) {
  glPointSize(3);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(0, 0, -20);
  const auto drawn = captureFeedback([] { PUTGLPOINTLIGHT(GL_LIGHT0, 0, 0, 10, -5, 0.1f); });
  EXPECT_TRUE(NoGlError());  // a size of 0 is not handed to GL
  EXPECT_EQ(floatState(GL_POINT_SIZE), 3.0f);
  EXPECT_EQ(lightPosition(), (Four{0, 10, -5, 0.1f}));
  // (0, 10, -5, 0.1) in the translated frame: x, y, z move by w times the translation.
  const Four eye = lightValue(GL_LIGHT0, GL_POSITION);
  EXPECT_FLOAT_EQ(eye[0], 0);
  EXPECT_FLOAT_EQ(eye[1], 10);
  EXPECT_FLOAT_EQ(eye[2], -5 - 20 * 0.1f);
  EXPECT_FLOAT_EQ(eye[3], 0.1f);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].token, static_cast<GLenum>(GL_POINT_TOKEN));
  ASSERT_EQ(drawn[0].vertices.size(), 1u);
  EXPECT_NEAR(drawn[0].vertices[0].x, 0, 1e-4);
  EXPECT_NEAR(drawn[0].vertices[0].y, 10, 1e-4);
  EXPECT_NEAR(drawn[0].vertices[0].z, -25, 1e-3);  // w is not applied to the point
  Four normal{};
  glGetFloatv(GL_CURRENT_NORMAL, normal.data());
  EXPECT_EQ((std::array<GLfloat, 3>{normal[0], normal[1], normal[2]}), (std::array<GLfloat, 3>{0, 0, 1}));
  // Neither the light nor lighting is switched on.
  EXPECT_FALSE(glIsEnabled(GL_LIGHT0));
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));

  PUTGLPOINTLIGHT(GL_LIGHT0, 4.5f, 0, 0, 0, 1);
  EXPECT_EQ(floatState(GL_POINT_SIZE), 4.5f);
  PUTGLPOINTLIGHT(GL_LIGHT0, -1, 0, 0, 0, 1);
  EXPECT_EQ(floatState(GL_POINT_SIZE), 4.5f);
  EXPECT_TRUE(NoGlError());
}

// Compiling records the GL calls for later but writes LIGHTPOSITION at once.
TEST_F(LightsAndModes, LightPositionIsWrittenWhileAListIsCompiled) {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  SETGLLIGHT(GL_LIGHT4, 9, 9, 9, 1);
  const GLuint list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  PUTGLPOINTLIGHT(GL_LIGHT4, 2, 1, 2, 3, 1);
  glEndList();
  EXPECT_EQ(lightPosition(), (Four{1, 2, 3, 1}));
  EXPECT_EQ(lightValue(GL_LIGHT4, GL_POSITION), (Four{9, 9, 9, 1}));

  SETGLLIGHT(GL_LIGHT4, 7, 7, 7, 1);
  glCallList(list);
  EXPECT_EQ(lightValue(GL_LIGHT4, GL_POSITION), (Four{1, 2, 3, 1}));
  EXPECT_EQ(floatState(GL_POINT_SIZE), 2.0f);
  // Running the list writes GL's light, not LIGHTPOSITION: only calls write that.
  EXPECT_EQ(lightPosition(), (Four{7, 7, 7, 1}));
  glDeleteLists(list, 1);
  EXPECT_TRUE(NoGlError());
}
