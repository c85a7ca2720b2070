// Declarations of the style renderers, one unit per look in this folder. Each has the
// StyleRenderer signature and has its entry in the table of button/style_dispatch.cpp.
#pragma once

#include "button/style_dispatch.h"

namespace quillet {

void RenderEdgeStyles(QuilletButton& button, DrawState state);      // styles 0, 1, 11, 12
void RenderNavyFrame(QuilletButton& button, DrawState state);       // style 2
void RenderSilverHover(QuilletButton& button, DrawState state);     // style 3
void RenderSilverGlass(QuilletButton& button, DrawState state);     // style 4
void RenderDropShadow(QuilletButton& button, DrawState state);      // style 5
void RenderTwoToneGloss(QuilletButton& button, DrawState state);    // style 6
void RenderAmberGloss(QuilletButton& button, DrawState state);      // style 7
void RenderHoverGlass(QuilletButton& button, DrawState state);      // style 8
void RenderFlatBlueBox(QuilletButton& button, DrawState state);     // style 9
void RenderBandedGradient(QuilletButton& button, DrawState state);  // style 10
void RenderAmberBox(QuilletButton& button, DrawState state);        // style 13
void RenderPixelCapsule(QuilletButton& button, DrawState state);    // style 14
void RenderSideGradient(QuilletButton& button, DrawState state);    // style 15

}  // namespace quillet
