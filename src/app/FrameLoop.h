#pragma once

// GLUT callbacks that draw, advance and switch the picture.
void display();
void idle();
void keyboard(unsigned char key, int x, int y);
