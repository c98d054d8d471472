#pragma once

// Each draws its group of the editor atlas's cells (engine/EditorAtlas.h) into the image.

namespace platform {
struct Image;
}

void DrawCursors(platform::Image& atlas);
void DrawToolbarIcons(platform::Image& atlas);
void DrawToolIcons(platform::Image& atlas);
void DrawSmallPictures(platform::Image& atlas);
