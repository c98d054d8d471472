#include "engine/BevelPainters.h"

#include "engine/draw/Quad.h"

namespace {

const Color4 RaisedLight{255, 250, 247, 230};
const Color4 RaisedDark{255, 59, 56, 39};
const Color4 SunkenDark{255, 104, 105, 106};
const Color4 SunkenLight{255, 232, 233, 234};

void Paint(Quad& quad, const Color4& top, const Color4& bottom, const Color4& left,
           const Color4& right) {
  quad.outlineVisible = 1;
  quad.SetTopEdgeColor(top);
  quad.SetBottomEdgeColor(bottom);
  quad.SetLeftEdgeColor(left);
  quad.SetRightEdgeColor(right);
}

}  // namespace

void PaintRaisedBevel(Quad& quad) { Paint(quad, RaisedLight, RaisedDark, RaisedLight, RaisedDark); }

void PaintCrossBevel(Quad& quad) { Paint(quad, RaisedDark, RaisedLight, RaisedLight, RaisedDark); }

void PaintSunkenBevel(Quad& quad) { Paint(quad, SunkenDark, SunkenLight, SunkenDark, SunkenLight); }

void PaintCrossGreyBevel(Quad& quad) {
  Paint(quad, SunkenLight, SunkenDark, SunkenDark, SunkenLight);
}
