#include "platform/portable/linux/freetype_text.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>

namespace quillet {

struct FreeTypeTextEngine::Impl {
  FT_Library library = nullptr;
  FT_Face face = nullptr;
  std::int32_t current_em = 0;

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
    }
  }
  // GDI's ascent and descent: the font's Windows ascent and descent scaled to the size, each
  // rounded on its own (FreeType's hinted metrics can come out a pixel taller).
  std::int32_t Ascent() const {
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (!os2) return static_cast<std::int32_t>((face->size->metrics.ascender + 32) >> 6);
    return static_cast<std::int32_t>((FT_MulFix(os2->usWinAscent, face->size->metrics.y_scale) + 32) >> 6);
  }
  std::int32_t Descent() const {
    const TT_OS2* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (!os2) return static_cast<std::int32_t>((-face->size->metrics.descender + 32) >> 6);
    return static_cast<std::int32_t>((FT_MulFix(os2->usWinDescent, face->size->metrics.y_scale) + 32) >> 6);
  }
  std::int32_t CellHeight() const { return Ascent() + Descent(); }
  // GDI makes bold from a face that has none.
  bool FakeBold(const FontDescription& font) const {
    return font.weight > 550 && !(face->style_flags & FT_STYLE_FLAG_BOLD);
  }
  std::int32_t Advance(char16_t c, bool bold) {
    if (FT_Load_Char(face, c, FT_LOAD_DEFAULT)) return 0;
    return static_cast<std::int32_t>((face->glyph->advance.x + 32) >> 6) + (bold ? 1 : 0);
  }
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
  if (FT_Init_FreeType(&impl->library) || FT_New_Face(impl->library, file.c_str(), index, &impl->face))
    return nullptr;
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

void FreeTypeTextEngine::Draw(RasterSurface& target, const FontDescription& font,
                              std::u16string_view text, std::int32_t x, std::int32_t y,
                              Color color, std::int32_t underline_index, const Rect& clip) {
  impl_->UseSize(font);
  FT_Face face = impl_->face;
  const std::int32_t baseline = y + impl_->Ascent();
  auto put = [&](std::int32_t px, std::int32_t py, std::uint8_t coverage) {
    if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom) return;
    target.BlendPixel(px, py, color, coverage);
  };
  std::int32_t pen = x;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // A bold font drawn from a face that has no bold: GDI emboldens the outline by 1/24 of the
    // em and widens each advance by a pixel.
    const bool bold = impl_->FakeBold(font);
    if (FT_Load_Char(face, text[i], FT_LOAD_DEFAULT)) continue;
    const FT_GlyphSlot g = face->glyph;
    if (bold && g->format == FT_GLYPH_FORMAT_OUTLINE)
      FT_Outline_Embolden(&g->outline, (impl_->current_em * 64) / 24);
    if (FT_Render_Glyph(g, FT_RENDER_MODE_NORMAL)) continue;
    const FT_Bitmap& bm = g->bitmap;
    for (unsigned row = 0; row < bm.rows; ++row)
      for (unsigned col = 0; col < bm.width; ++col) {
        const std::uint8_t v = bm.buffer[row * static_cast<unsigned>(bm.pitch) + col];
        put(pen + g->bitmap_left + static_cast<std::int32_t>(col),
            baseline - g->bitmap_top + static_cast<std::int32_t>(row), v);
      }
    const std::int32_t advance = static_cast<std::int32_t>((g->advance.x + 32) >> 6) + (bold ? 1 : 0);
    if (static_cast<std::int32_t>(i) == underline_index || font.underline)
      for (std::int32_t ux = pen; ux < pen + advance; ++ux) put(ux, baseline + 1, 255);
    pen += advance;
  }
}

}  // namespace quillet
