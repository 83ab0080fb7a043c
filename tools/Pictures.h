#pragma once

#include "Picture.h"

// The program's three textures, drawn from fixed seeds: the same pixels on every run.

// Grey value noise; light, so that the blocks' colours still show through it.
Picture drawNoise(int size);

// Blades of grass of many greens over a dark green ground.
Picture drawGrass(int size);

// A light cube face with a darker rim and five dark round spots, like the five of a die.
Picture drawSpot(int size);
