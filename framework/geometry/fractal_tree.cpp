// The randomised 3D fractal tree. Every random choice is made while the list is compiled and
// frozen into it; the draws follow one fixed order, the ones whose values go unused included,
// because the shapes of all later trees depend on where in the shared sequence each draw falls.
#include "framework/framework.h"
#include "framework/geometry/tree_lists.h"

namespace {

// What the recursion reads of the call that started it.
struct FractalCall {
  std::int32_t NUMLEVEL;
  GLuint RAMO;
  GLuint CHIOMA;
};

// A random angle of `span` degrees above `base`, worked out exactly and rounded to float32.
float randomAngle(double base, double span) {
  return static_cast<float>(base + RANDOMREAL() * span);
}

// The callbacks are the caller's; a missing one is skipped rather than called.
void runCallback(PROCEDURE callback) {
  if (callback) callback();
}

void FRACTALTREE(std::int32_t LEVEL, const FractalCall& call);

// One child of a fork: turned into its sector about the parent's axis, then leaning 30 to
// 50 degrees away from it; the turn is drawn before the lean.
void child(double A, std::int32_t LEVEL, const FractalCall& call) {
  glPushMatrix();
  const float turn = randomAngle(A, 40);
  glRotatef(turn, 0.0f, 1.0f, 0.0f);
  const float lean = randomAngle(30, 20);
  glRotatef(lean, 0.0f, 0.0f, 1.0f);
  FRACTALTREE(LEVEL + 1, call);
  glPopMatrix();
}

void FRACTALTREE(std::int32_t LEVEL, const FractalCall& call) {
  // Every level at or past NUMLEVEL is a branch end: a negative NUMLEVEL then gives a single
  // cluster instead of a recursion without end.
  if (LEVEL >= call.NUMLEVEL) {
    glPushMatrix();
    glRotatef(randomAngle(0, 180), 0.0f, 1.0f, 0.0f);
    glCallList(call.CHIOMA);
    glPopMatrix();
    return;
  }
  glCallList(call.RAMO);
  glPushMatrix();
  glRotatef(randomAngle(0, 180), 0.0f, 1.0f, 0.0f);
  glTranslatef(0.0f, 1.0f, 0.0f);
  glScalef(0.7f, 0.7f, 0.7f);
  // SAVEDSEED and the two RANDOMF calls shape nothing; they are drawn here only so that
  // every later draw lands on its word of the sequence.
  float SAVEDSEED = static_cast<float>(RANDOMREAL() * 3);
  child(110, LEVEL, call);
  RANDOMF(SAVEDSEED);
  SAVEDSEED = static_cast<float>(RANDOMREAL() * 3);
  child(-130, LEVEL, call);
  RANDOMF(SAVEDSEED);
  child(-20, LEVEL, call);
  glPopMatrix();
}

}  // namespace

void TREEFRACTAL3D(GLuint& TREE, PROCEDURE MDLLEAF, PROCEDURE MATTREE, PROCEDURE MATLEAF,
                   std::int32_t QUALITY, std::int32_t NUMLEVEL) {
  // A branch of length 1 along +Y, radius 0.08 at its foot and 0.06 at its end.
  const GLuint RAMO = geometry::compileList([&] {
    glPushMatrix();
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    CONOTRONCO(0.0f, 0.0f, 0.0f, QUALITY, 0.06f, 0.08f, 1.0f);
    glPopMatrix();
  });

  // One leaf, cut out by the alpha test and lit on both faces.
  const GLuint FOGLIE = geometry::compileList([&] {
    TWOSIDEON();
    glDisable(GL_CULL_FACE);
    SETGLSPRITE();
    runCallback(MDLLEAF);
    SETGLSPRITEOFF();
    glEnable(GL_CULL_FACE);
    TWOSIDEOFF();
  });

  // A branch end: the branch and four pairs of leaves climbing it, each pair turned a further
  // 90 degrees; the tree material comes back afterwards for the branches drawn next.
  const GLuint CHIOMA = geometry::compileList([&] {
    glPushMatrix();
    glPushAttrib(GL_LIGHTING_BIT);
    glCallList(RAMO);
    runCallback(MATLEAF);
    for (int I = 0; I < 4; ++I) {
      glTranslatef(0.0f, 0.333f, 0.0f);
      glRotatef(90.0f, 0.0f, 1.0f, 0.0f);
      glPushMatrix();
      glRotatef(230.0f, 1.0f, 0.0f, 0.0f);
      glCallList(FOGLIE);
      glPopMatrix();
      glPushMatrix();
      glRotatef(180.0f, 0.0f, 1.0f, 0.0f);
      glRotatef(240.0f, 1.0f, 0.0f, 0.0f);
      glCallList(FOGLIE);
      glPopMatrix();
    }
    runCallback(MATTREE);
    glPopAttrib();
    glPopMatrix();
  });

  // An integer draw whose value is never used: it only moves the sequence on by one word.
  // Its bound TREESEED is never given a value of its own; any bound takes exactly one word.
  const std::int32_t TREESEED = 0;
  RANDOMINT(TREESEED);

  // The trunk stands from y = -1 to y = 0; the lighting state the leaves change comes back.
  const FractalCall call{NUMLEVEL, RAMO, CHIOMA};
  TREE = geometry::compileList([&] {
    glPushMatrix();
    glPushAttrib(GL_LIGHTING_BIT);
    glTranslatef(0.0f, -1.0f, 0.0f);
    FRACTALTREE(0, call);
    glPopAttrib();
    glPopMatrix();
  });
}
