#pragma once

// Each loads its projection matrix and names it in the window title.
void setPerspective();
void setOrthographic();
