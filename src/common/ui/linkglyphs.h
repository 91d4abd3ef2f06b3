#pragma once

#include "common/settings.h"

#include <QIcon>
#include <QString>

#include <array>

namespace pm {

// The picture of an application-link button: one glyph, or two side by side
// (normal on the left, disabled on the right).
struct LinkGlyph {
  QIcon icon;
  int numGlyphs = 1;
};

// A bitmap file as a button glyph: a picture 32 pixels wide holds two 16-pixel
// glyphs, any other picture is one glyph. The colour of the bottom-left pixel
// is transparent. False when the file cannot be read as a picture.
bool LoadLinkGlyph(const QString& fileName, LinkGlyph* glyph);

// Our own 16 x 16 picture for a button without a bitmap of its own.
LinkGlyph DefaultLinkGlyph();

// The glyphs of the Setup dialog's link buttons 0..4 (0 is the hidden
// default button); the form engine gives them to the application-link
// buttons of forms, so they exist from start-up on. Load them after the
// settings are read and again whenever the Setup dialog commits.
class LinkGlyphs {
 public:
  LinkGlyphs();
  // k 0..4; any other k gives button 0's glyph.
  const LinkGlyph& glyph(int k) const;
  QIcon icon(int k) const { return glyph(k).icon; }
  // Links 1..4 take their bitmap when it is named and can be read, else the
  // default glyph (a missing file keeps its name in the settings).
  void Load(const LinkBitmapNames& bitmaps);

 private:
  std::array<LinkGlyph, 5> glyphs_;
};

LinkGlyphs& LinkGlyphStore();

}  // namespace pm
