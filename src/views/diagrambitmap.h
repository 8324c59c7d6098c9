// The on-screen section or grid diagram as a bitmap picture: axes and marks without the title, on white.
#pragma once

#include "passcolours.h"

#include "model/memberrecord.h"
#include "reports/bitmapfile.h"

#include <QImage>
#include <QSize>

class QScreen;

namespace trellon {

enum class DiagramKind { section, grid };

// The depth request that stands for the display's own colour depth.
constexpr int displayDepthRequest = 100;

// The colour depth a depth request stands for: the screen's for displayDepthRequest (24 without a screen),
// any other value as it is.
int resolvedColourDepth(int request, const QScreen* screen);

// The diagram as its window paints it at size, without the title line and with its words in Chinese whatever the
// interface's language. A member of the other kind, or none, gives the frame and axes alone, as on screen.
QImage renderDiagramPicture(DiagramKind kind, QSize size, const MemberRecord* member,
                            PassColours colours = PassColours::off);

// The picture at the file depth of a display colour depth (bitmapBitsForDepth); up to 8 bits each pixel
// takes the nearest colour of the 2-, 16- or 256-entry default palette.
BitmapPicture bitmapPictureOf(const QImage& picture, int colourDepth);

} // namespace trellon
