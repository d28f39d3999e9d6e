// Face normals: a float64 cross product normalised twice, the second time with a float32
// length, so a unit vector stays as it is and a zero vector stays zero.
#include <cmath>
#include <span>

#include "framework/framework.h"

FNORMALVECTOR FNORMAL = {{0.0, 0.0, 0.0}};

namespace {

// Rescales elements 0..2 of VECTOR to unit length, the length rounded to float32.
void REDUCETOUNIT(std::span<double, 3> VECTOR) {
  float LENGTH = static_cast<float>(
      std::sqrt(VECTOR[0] * VECTOR[0] + VECTOR[1] * VECTOR[1] + VECTOR[2] * VECTOR[2]));
  if (LENGTH == 0.0f) LENGTH = 1.0f;
  for (double& element : VECTOR) element /= LENGTH;
}

}  // namespace

void FINDNORMAL(double V1X, double V1Y, double V1Z, double V2X, double V2Y, double V2Z,
                double V3X, double V3Y, double V3Z) {
  const double TEMP_V1[3] = {V1X - V2X, V1Y - V2Y, V1Z - V2Z};
  const double TEMP_V2[3] = {V2X - V3X, V2Y - V3Y, V2Z - V3Z};

  FNORMAL[1] = TEMP_V1[1] * TEMP_V2[2] - TEMP_V1[2] * TEMP_V2[1];
  FNORMAL[2] = TEMP_V1[2] * TEMP_V2[0] - TEMP_V1[0] * TEMP_V2[2];
  FNORMAL[3] = TEMP_V1[0] * TEMP_V2[1] - TEMP_V1[1] * TEMP_V2[0];

  double TEMP_LENGHT =
      std::sqrt(FNORMAL[1] * FNORMAL[1] + FNORMAL[2] * FNORMAL[2] + FNORMAL[3] * FNORMAL[3]);
  if (TEMP_LENGHT == 0.0) TEMP_LENGHT = 1.0;
  for (double& element : FNORMAL.ELEMENT) element /= TEMP_LENGHT;

  REDUCETOUNIT(FNORMAL.ELEMENT);
}
