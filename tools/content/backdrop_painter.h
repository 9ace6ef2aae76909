// Background pictures from a small text description: gradients, bricks,
// stones, pillars, arches, distant hills, chains and a final muting tint,
// painted in order onto a 256 x 256 picture.
#pragma once

#include "picture.h"
#include "seeded_random.h"

#include <string>

// Lines (colours rrggbb, optional alpha 0-255 where shown):
//   fill C
//   gradient X Y W H TOP BOTTOM [BANDS]
//   rect X Y W H C [ALPHA]
//   bricks X Y W H BW BH BRICK MORTAR SEED
//   stones X Y W H SIZE STONE MORTAR SEED
//   pillar X Y W H C
//   arch X Y W H C                    a dark opening with a round top
//   hills BASE AMPLITUDE C SEED       a ridge from row BASE to the bottom
//   disc CX CY R C [ALPHA]
//   chain X Y LENGTH C
//   speckle X Y W H C AMOUNT SEED     AMOUNT pixels per thousand
//   tint C ALPHA                      mixes everything toward C
//   vignette ALPHA                    darkens toward the edges
Picture readBackdrop(const std::string &fileName, const std::string &content);
