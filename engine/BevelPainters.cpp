#include "engine/BevelPainters.h"

#include "engine/draw/Quad.h"

namespace {

const Color4 SunkenDark{255, 104, 105, 106};
const Color4 SunkenLight{255, 232, 233, 234};

}  // namespace

void PaintBevel(Quad& quad, const Color4& top, const Color4& bottom, const Color4& left,
                const Color4& right) {
  quad.outlineVisible = 1;
  quad.SetTopEdgeColor(top);
  quad.SetBottomEdgeColor(bottom);
  quad.SetLeftEdgeColor(left);
  quad.SetRightEdgeColor(right);
}

void PaintRaisedBevel(Quad& quad) {
  PaintBevel(quad, RaisedLight, RaisedDark, RaisedLight, RaisedDark);
}

void PaintCrossBevel(Quad& quad) {
  PaintBevel(quad, RaisedDark, RaisedLight, RaisedLight, RaisedDark);
}

void PaintSunkenBevel(Quad& quad) {
  PaintBevel(quad, SunkenDark, SunkenLight, SunkenDark, SunkenLight);
}

void PaintCrossGreyBevel(Quad& quad) {
  PaintBevel(quad, SunkenLight, SunkenDark, SunkenDark, SunkenLight);
}
