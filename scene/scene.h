#pragma once
// The scene: its process-wide objects, built once by SetupScene, and one frame.
#include "render/scene_state.h"
#include "sound/direct_sound.h"

namespace ondalith {

class ShaderRegistry;
class Camera;
class BitmapTexture;
class GLFWDrawableSky;
class GLFWDrawableMesh;

// Created once and never destroyed, except sound, which the main loop deletes at its end.
extern ShaderRegistry* programRegistry;
extern SceneState* sceneState;
extern Camera* camera;
extern BitmapTexture* backgroundTexture;
extern BitmapTexture* atlasTexture;
extern GLFWDrawableSky* backgroundLayer;
extern GLFWDrawableMesh* cubeField;
extern CDirectSound* sound;

// SetupScene runs these four steps in this order; the benchmark times them one by one.
void setupStateAndTextures();  // registry, scene state, camera, the two textures
void setupPrograms();          // "BackgroundProgram", then "CubeProgram"
void setupDrawables();         // the background layer, then the cube field
void setupSound();             // the sound object; tendSound loads it, and nothing plays it

// The sound's load, between frames and never before the first: where no device answers
// it is tried again every 500 ms for up to 4.5 s, which the picture must not wait for.
// The first call begins the load, later ones make each further attempt once it is due.
void tendSound(double now);

void SetupScene();
void RenderScene(float t);

}  // namespace ondalith
