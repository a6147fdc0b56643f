#include "ui/photo_selection.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace orsalimbra::ui
