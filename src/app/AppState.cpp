#include "app/AppState.h"

int32_t windowWidth = 640;
int32_t windowHeight = 480;
Vector3 eye;
Vector3 viewDir;
Vector3 up;
int32_t lastTime = 0;
Scene theScene;
