#include "ui/photo_selection.h"

#include <gtest/gtest.h>

#include "support/qt_test_support.h"
#include "ui/picture_filters.h"

namespace orsalimbra::ui {
namespace {

TEST(PhotoSelection, ShowsThePlaceholderForAnEmptyNoteOnly) {
  PhotoSelection selection;
  selection.Load(3, "/p/marzo.jpg", "");
  selection.Load(4, "", "Pasqua al mare");
  EXPECT_EQ(selection.PendingNote(3), PhotoSelection::kNoNote);
  EXPECT_EQ(selection.PendingNote(4), "Pasqua al mare");
  // A cleared box shows the placeholder again; a typed placeholder is kept
  // as shown but stands for no note.
  EXPECT_EQ(selection.LeaveNote(4, ""), PhotoSelection::kNoNote);
  EXPECT_EQ(selection.LeaveNote(5, "(nessuna nota)"), PhotoSelection::kNoNote);
  EXPECT_EQ(selection.LeaveNote(6, " spazio "), " spazio ");
}

TEST(PhotoSelection, ConfirmHandsBackEverySlotAndWritesAllTwentySixKeys) {
  PhotoSelection selection;
  std::array<std::string, 13> paths{}, notes{};
  for (int slot = 0; slot < 13; ++slot) selection.Load(slot, "old", "old note");
  selection.SetPhoto(0, QStringLiteral("/foto/città.jpg"));
  selection.LeaveNote(0, "-");
  selection.LeaveNote(1, "");
  selection.LeaveNote(2, "(nessuna nota)");
  const auto writes = selection.Confirm(paths, notes);
  ASSERT_EQ(writes.size(), 26u);
  EXPECT_EQ(writes[0].key, "Foto00");
  EXPECT_EQ(writes[0].value, QStringLiteral("/foto/città.jpg"));
  EXPECT_EQ(writes[1].key, "Nota00");
  EXPECT_EQ(writes[1].value, "-");
  EXPECT_EQ(writes[3].key, "Nota01");
  EXPECT_TRUE(writes[3].value.isEmpty());
  EXPECT_TRUE(writes[5].value.isEmpty());
  EXPECT_EQ(writes[25].key, "Nota12");
  EXPECT_EQ(writes[25].value, "old note");
  EXPECT_EQ(paths[0], "/foto/città.jpg");  // UTF-8
  EXPECT_EQ(notes[1], "");
  EXPECT_EQ(notes[2], "");
  EXPECT_EQ(paths[12], "old");
}

TEST(PhotoSelection, ResetEmptiesEverySlot) {
  PhotoSelection selection;
  for (int slot = 0; slot < 13; ++slot) selection.Load(slot, "p", "n");
  selection.Reset();
  std::array<std::string, 13> paths, notes;
  paths.fill("x");
  notes.fill("x");
  for (const auto& write : selection.Confirm(paths, notes)) {
    EXPECT_TRUE(write.value.isEmpty()) << write.key.toStdString();
  }
  for (int slot = 0; slot < 13; ++slot) {
    EXPECT_EQ(paths[slot], "");
    EXPECT_EQ(notes[slot], "");
    EXPECT_EQ(selection.PendingNote(slot), PhotoSelection::kNoNote);
  }
}

TEST(PhotoSelection, ConvertsTheFilterListToQtForm) {
  EXPECT_EQ(
      ToQtFileFilters("Immagini JPEG (*.jpg)|*.jpg|Immagini BMP (*.bmp)|*.bmp|Immagini "
                      "GIF (*.gif)|*.gif|Tutte le Immagini|*.jpg;*.bmp;*.gif|Tutti i file|*.*"),
      QStringList({"Immagini JPEG (*.jpg)", "Immagini BMP (*.bmp)", "Immagini GIF (*.gif)",
                   "Tutte le Immagini (*.jpg *.bmp *.gif)", "Tutti i file (*)"}));
  // A description that names other patterns than it filters gets the real ones.
  EXPECT_EQ(ToQtFileFilters("Foto (*.jpg)|*.jpeg"), QStringList({"Foto (*.jpg) (*.jpeg)"}));
  // A trailing description without patterns is dropped.
  EXPECT_EQ(ToQtFileFilters("Testo|*.txt|Orfano"), QStringList({"Testo (*.txt)"}));
}

TEST(PictureFilters, ComeFromTheFormatsQtReadsInBothCases) {
  struct Case {
    const char* name;
    QList<QByteArray> mimeTypes, formats;
    QStringList filters;
  };
  const Case cases[] = {
      {"the usual four, in their order, and every format read",
       {"image/png", "image/gif", "image/jpeg", "image/bmp", "image/x-portable-pixmap"},
       {"png", "gif", "jpeg", "jpg", "bmp", "ppm", "cur"},
       {"Immagini JPEG (*.jpg *.JPG *.jpeg *.JPEG *.jpe *.JPE)",
        "Immagini BMP (*.bmp *.BMP *.dib *.DIB)", "Immagini GIF (*.gif *.GIF)",
        "Immagini PNG (*.png *.PNG)",
        "Tutte le Immagini (*.png *.PNG *.gif *.GIF *.jpg *.JPG *.jpeg *.JPEG *.jpe *.JPE *.bmp "
        "*.BMP *.dib *.DIB *.ppm *.PPM *.cur *.CUR)",
        "Tutti i file (*)"}},
      {"a format Qt cannot read is not offered",
       {"image/jpeg"},
       {"jpeg", "jpg"},
       {"Immagini JPEG (*.jpg *.JPG *.jpeg *.JPEG *.jpe *.JPE)",
        "Tutte le Immagini (*.jpg *.JPG *.jpeg *.JPEG *.jpe *.JPE)", "Tutti i file (*)"}},
      {"nothing readable: every file", {}, {}, {"Tutti i file (*)"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ToQtFileFilters(PictureFilterPairs(c.mimeTypes, c.formats)), c.filters) << c.name;
  }
  // This Qt reads at least what the calendar always could, and PNG.
  const QStringList here = ToQtFileFilters(PictureFilterPairs());
  ASSERT_GE(here.size(), 6);
  EXPECT_TRUE(here[0].startsWith("Immagini JPEG ("));
  EXPECT_TRUE(here[3].startsWith("Immagini PNG ("));
  EXPECT_TRUE(here[4].contains("*.JPEG"));
}

}  // namespace
}  // namespace orsalimbra::ui
