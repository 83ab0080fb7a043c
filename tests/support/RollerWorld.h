#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "scene/RollDirection.h"
#include "scene/Roller.h"
#include "scene/WorldLayout.h"

// The roller's world as a grid of 100-unit cells, worked out from the block layout, so that
// tests can judge the roller's moves without asking the code under test.
namespace rollerworld {

// Centre x and z of a cell.
using Cell = std::pair<int, int>;

inline std::string describe(Cell c) {
    return "(" + std::to_string(c.first) + ", " + std::to_string(c.second) + ")";
}

inline bool onGround(Cell c) {
    return c.first % 100 == 0 && c.second % 100 == 0 && std::abs(c.first) <= 400 &&
           std::abs(c.second) <= 400;
}

// Cells a block reaches into. Blocks that only touch a cell's side leave it free.
inline const std::set<Cell>& takenCells() {
    static const std::set<Cell> taken = [] {
        std::set<Cell> cells;
        for (int x = -400; x <= 400; x += 100) {
            for (int z = -400; z <= 400; z += 100) {
                for (const CubeLayout& b : worldCubes) {
                    const bool acrossX = b.x - b.hx < x + 50 && b.x + b.hx > x - 50;
                    const bool acrossZ = b.z - b.hz < z + 50 && b.z + b.hz > z - 50;
                    if (acrossX && acrossZ) cells.insert({x, z});
                }
            }
        }
        return cells;
    }();
    return taken;
}

inline bool isFree(Cell c) { return onGround(c) && takenCells().count(c) == 0; }

inline std::vector<Cell> freeCells() {
    std::vector<Cell> cells;
    for (int x = -400; x <= 400; x += 100) {
        for (int z = -400; z <= 400; z += 100) {
            if (isFree({x, z})) cells.push_back({x, z});
        }
    }
    return cells;
}

inline Cell neighbour(Cell c, int direction) {
    switch (direction) {
        case RollNegX:
            return {c.first - 100, c.second};
        case RollPosX:
            return {c.first + 100, c.second};
        case RollNegZ:
            return {c.first, c.second - 100};
        case RollPosZ:
            return {c.first, c.second + 100};
        default:
            return c;
    }
}

inline int freeNeighbourCount(Cell c) {
    int count = 0;
    for (int d = RollNegX; d <= RollPosZ; ++d) count += isFree(neighbour(c, d)) ? 1 : 0;
    return count;
}

// Each place the roller may take, once: resting on a free cell (to is from), or tipping between
// it and its free neighbour towards +x or +z; and the ground it covers there, over both cells.
struct Place {
    Cell from, to;
    double xMin, xMax, zMin, zMax;
};

inline std::vector<Place> rollerPlaces() {
    const double h = worldRoller.halfEdge;
    std::vector<Place> places;
    for (const Cell& from : freeCells()) {
        for (int d : {RollNone, RollPosX, RollPosZ}) {
            const Cell to = neighbour(from, d);
            if (isFree(to)) {
                places.push_back(
                    {from, to, from.first - h, to.first + h, from.second - h, to.second + h});
            }
        }
    }
    return places;
}

// While the roller tips it stays within its diagonal of the edge it turns about.
inline const double rollerDiagonal = 2 * worldRoller.halfEdge * std::sqrt(2.0);

inline int reverseOf(int direction) { return (direction + 2) % 4; }

// The roller's cell, or nothing if its centre is not exactly on a cell centre at rest height.
inline bool cellOf(const Roller& roller, Cell& cell) {
    const long x = std::lround(roller.position.x);
    const long z = std::lround(roller.position.z);
    cell = {static_cast<int>(x), static_cast<int>(z)};
    return static_cast<float>(x) == roller.position.x &&
           static_cast<float>(z) == roller.position.z && roller.position.y == 50.0f &&
           onGround(cell);
}

// The roller's cell, failing the test that asks if the roller is not resting on one.
inline Cell cellOf(const Roller& roller) {
    Cell cell;
    EXPECT_TRUE(cellOf(roller, cell));
    return cell;
}

}  // namespace rollerworld
