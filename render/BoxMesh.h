// An axis-aligned box centred on the origin: 24 vertices (four per face, so
// each face has its own flat normal) and 12 triangles.
#pragma once

#include "render/MeshData.h"

// Empty when a size is negative or not a number.
MeshData BuildBoxMesh(float width, float height, float depth);
