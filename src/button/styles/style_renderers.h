// Declarations of the style renderers, one unit per look in
// this folder. Each has the StyleRenderer signature and goes into the table of
// button/style_dispatch.cpp when it is written. None is written yet.
#pragma once

#include "button/style_dispatch.h"

namespace quillet {

void RenderEdgeStyles(QuilletButton& button, DrawState state);  // styles 0, 1, 11, 12
void RenderNavyFrame(QuilletButton& button, DrawState state);  // style 2
void RenderSilverHover(QuilletButton& button, DrawState state);  // style 3
void RenderSilverGlass(QuilletButton& button, DrawState state);  // style 4
// ... one per style family through SideGradient.

}  // namespace quillet
