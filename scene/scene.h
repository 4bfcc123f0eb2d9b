#pragma once
// The scene: its process-wide objects, built once, and one frame.
#include "render/scene_state.h"
#include "sound/direct_sound.h"

namespace ondalith {

extern SceneState* sceneState;
extern CDirectSound* sound;

void SetupScene();
void RenderScene(float t);

}  // namespace ondalith
