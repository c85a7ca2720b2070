// Declarations of the style renderers, one unit per look in
// this folder. Each has the StyleRenderer signature and goes into the table of
// button/style_dispatch.cpp when it is written. None is written yet.
#pragma once

#include "button/style_dispatch.h"

namespace quillet {

// void RenderEdgeStyles(QuilletButton& button, DrawState state);   // styles 0, 1, 11, 12
void RenderNavyFrame(QuilletButton& button, DrawState state);  // style 2
void RenderDropShadow(QuilletButton& button, DrawState state);  // style 5
void RenderTwoToneGloss(QuilletButton& button, DrawState state);  // style 6
void RenderAmberGloss(QuilletButton& button, DrawState state);  // style 7
// ... one per style family through SideGradient.
void RenderPixelCapsule(QuilletButton& button, DrawState state);  // style 14
void RenderSideGradient(QuilletButton& button, DrawState state);  // style 15

}  // namespace quillet
