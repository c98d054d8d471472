#pragma once

#include "engine/Camera.h"
#include "engine/Globals.h"
#include "platform/MathTypes.h"

// The editor's moves of the camera. Each puts the eye at once where it goes: the previous eye is
// kept, the target eye is the new eye (so the camera does not glide back), the view looks
// straight along +z and the matrices are rebuilt.
namespace EditorCamera {

// The normal view, at which sprites show at their source size.
constexpr float NormalEyeZ = -DefaultSpriteScaleNumerator;
constexpr float ZoomStep = 2.0f;

void PlaceEye(Camera& camera, const platform::Vector3& eye);
// The world follows a cursor motion of so many pixels (screen y down).
void PanByPixels(Camera& camera, int dx, int dy);
// Moves the eye along z; refused, false, when the eye would leave [FarthestEyeZ, NearestEyeZ].
bool ZoomBy(Camera& camera, float dz);

}  // namespace EditorCamera
