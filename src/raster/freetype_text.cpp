#include "raster/freetype_text.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace quillet {

// A glyph as drawn: coverage bitmap, placement and advance, kept per size and character
// so that a redraw blends stored coverage instead of loading and rasterising again.
struct CachedGlyph {
  bool ok = false;
  std::int32_t left = 0, top = 0, width = 0, rows = 0, advance = 0;
  std::vector<std::uint8_t> coverage;  // rows x width
  // Per row, the columns [first, end) outside which coverage is 0: only those are blended.
  std::vector<std::pair<std::int32_t, std::int32_t>> inked;
};

struct FreeTypeTextEngine::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  std::int32_t current_em = 0;
  std::int32_t ascent = 0, descent = 0;  // of the current size
  // Key: em << 32 | character. One face per engine, so face, size and glyph name it.
  std::unordered_map<std::uint64_t, CachedGlyph> glyphs;

  ~Impl() {
    if (face) FT_Done_Face(face);
    if (library) FT_Done_FreeType(library);
  }

  // LOGFONT heights: negative is the em in pixels, positive the cell height.
  void UseSize(const FontDescription& font) {
    std::int32_t em = 12;
    if (font.height < 0) {
      em = -font.height;
    } else if (font.height > 0) {
      const double cell = static_cast<double>(face->ascender - face->descender);
      em = std::max(1, static_cast<std::int32_t>(std::lround(font.height * face->units_per_EM / cell)));
    }
    if (em != current_em) {
      FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em));
      current_em = em;
      // GDI's ascent and descent: the font's Windows ascent and descent scaled to the size,
      // each rounded on its own (FreeType's hinted metrics can come out a pixel taller).
      const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
      const FT_Size_Metrics& m = face->size->metrics;
      ascent = static_cast<std::int32_t>(((os2 ? FT_MulFix(os2->usWinAscent, m.y_scale) : m.ascender) + 32) >> 6);
      descent = static_cast<std::int32_t>(((os2 ? FT_MulFix(os2->usWinDescent, m.y_scale) : -m.descender) + 32) >> 6);
    }
  }
  std::int32_t Ascent() const { return ascent; }
  std::int32_t Descent() const { return descent; }
  std::int32_t CellHeight() const { return ascent + descent; }
  // GDI makes bold from a face that has none.
  bool FakeBold(const FontDescription& font) const {
    return font.weight > 550 && !(face->style_flags & FT_STYLE_FLAG_BOLD);
  }
  // A bold font drawn from a face that has no bold: GDI emboldens the outline by 1/24 of the
  // em and widens each advance by a pixel.
  const CachedGlyph& Glyph(char16_t c, bool bold) {
    const std::uint64_t key = (static_cast<std::uint64_t>(current_em) << 32) | (bold ? 0x10000u : 0u) | c;
    auto [it, fresh] = glyphs.try_emplace(key);
    CachedGlyph& g = it->second;
    if (!fresh || FT_Load_Char(face, c, FT_LOAD_DEFAULT)) return g;
    const FT_GlyphSlot slot = face->glyph;
    if (bold && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_Outline_Embolden(&slot->outline, (current_em * 64) / 24);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL)) return g;
    const FT_Bitmap& bm = slot->bitmap;
    g.ok = true;
    g.left = slot->bitmap_left;
    g.top = slot->bitmap_top;
    g.width = static_cast<std::int32_t>(bm.width);
    g.rows = static_cast<std::int32_t>(bm.rows);
    g.advance = static_cast<std::int32_t>((slot->advance.x + 32) >> 6) + (bold ? 1 : 0);
    g.coverage.resize(static_cast<std::size_t>(g.width) * g.rows);
    for (std::int32_t row = 0; row < g.rows; ++row)
      for (std::int32_t col = 0; col < g.width; ++col)
        g.coverage[static_cast<std::size_t>(row) * g.width + col] = bm.buffer[row * bm.pitch + col];
    for (std::int32_t row = 0; row < g.rows; ++row) {
      const std::uint8_t* line = g.coverage.data() + static_cast<std::size_t>(row) * g.width;
      std::int32_t first = 0, end = g.width;
      while (first < end && line[first] == 0) ++first;
      while (end > first && line[end - 1] == 0) --end;
      g.inked.emplace_back(first, end);
    }
    return g;
  }
  std::int32_t Advance(char16_t c, bool bold) { return Glyph(c, bold).advance; }
};

std::shared_ptr<FreeTypeTextEngine> FreeTypeTextEngine::Create() {
  if (!FcInit()) return nullptr;
  FcPattern* pattern = FcPatternCreate();
  FcLangSet* langs = FcLangSetCreate();
  FcLangSetAdd(langs, reinterpret_cast<const FcChar8*>("zh-cn"));
  FcPatternAddLangSet(pattern, FC_LANG, langs);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  std::string file;
  int index = 0;
  if (match) {
    FcChar8* path = nullptr;
    if (FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch && path)
      file = reinterpret_cast<const char*>(path);
    FcPatternGetInteger(match, FC_INDEX, 0, &index);
    FcPatternDestroy(match);
  }
  FcLangSetDestroy(langs);
  FcPatternDestroy(pattern);
  if (file.empty()) return nullptr;

  auto impl = std::make_unique<Impl>();
  if (FT_Init_FreeType(&impl->library) || FT_New_Face(impl->library, file.c_str(), index, &impl->face)) return nullptr;
  return std::shared_ptr<FreeTypeTextEngine>(new FreeTypeTextEngine(std::move(impl), file));
}

FreeTypeTextEngine::FreeTypeTextEngine(std::unique_ptr<Impl> impl, std::string file)
    : impl_(std::move(impl)), file_(std::move(file)) {}

FreeTypeTextEngine::~FreeTypeTextEngine() = default;

Size FreeTypeTextEngine::Measure(const FontDescription& font, std::u16string_view text) {
  impl_->UseSize(font);
  std::int32_t w = 0;
  for (char16_t c : text) w += impl_->Advance(c, impl_->FakeBold(font));
  return Size{w, impl_->CellHeight()};
}

void FreeTypeTextEngine::Draw(RasterSurface& target, const FontDescription& font, std::u16string_view text,
                              std::int32_t x, std::int32_t y, Color color, std::int32_t underline_index,
                              const Rect& clip) {
  impl_->UseSize(font);
  const std::int32_t baseline = y + impl_->Ascent();
  auto put = [&](std::int32_t px, std::int32_t py, std::uint8_t coverage) {
    if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom) return;
    target.BlendPixel(px, py, color, coverage);
  };
  std::int32_t pen = x;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const CachedGlyph& g = impl_->Glyph(text[i], impl_->FakeBold(font));
    if (!g.ok) continue;
    for (std::int32_t row = 0; row < g.rows; ++row) {
      const auto [first, end] = g.inked[static_cast<std::size_t>(row)];
      if (first < end)
        target.BlendRun(pen + g.left + first, baseline - g.top + row,
                        g.coverage.data() + static_cast<std::size_t>(row) * g.width + first, end - first, color, clip);
    }
    const std::int32_t advance = g.advance;
    if (static_cast<std::int32_t>(i) == underline_index || font.underline)
      for (std::int32_t ux = pen; ux < pen + advance; ++ux) put(ux, baseline + 1, 255);
    pen += advance;
  }
}

}  // namespace quillet
