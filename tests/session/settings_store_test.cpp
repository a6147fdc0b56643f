#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QTemporaryDir>

#include "session/settings_codec.h"
#include "session/settings_keys.h"
#include "session/settings_store.h"
#include "session/stored_choices.h"
#include "support/qt_test_support.h"

namespace {

using namespace orsalimbra::session;
using orsalimbra::render::Rgb;

QString K(const char* key) { return QString::fromLatin1(key); }

// Each test gets its own settings folder. Qt keeps a parsed settings file
// cached for the life of the process, so a store opened again on the same
// file would see that cache rather than the file. Restart() therefore copies
// the file into a folder this process never opened: the next store has to
// parse what was really written, as the program does after a restart.
class SettingsStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(root_.isValid());
    UseNewFolder();
  }

  void UseNewFolder() {
    folder_ = root_.filePath(QStringLiteral("run%1").arg(runs_++));
    ASSERT_TRUE(QDir().mkpath(folder_));
    orsalimbra::test_support::UseSettingsFolder(folder_);
  }
  QString IniPath() const { return folder_ + QStringLiteral("/Nerb/Nerb.ini"); }

  void Restart() {
    const QString old = IniPath();
    UseNewFolder();
    ASSERT_TRUE(QDir().mkpath(folder_ + QStringLiteral("/Nerb")));
    ASSERT_TRUE(QFile::copy(old, IniPath()));
  }

  // The file as another program (or a hand edit) left it, in a new folder.
  void Seed(const QByteArray& iniText) {
    UseNewFolder();
    ASSERT_TRUE(QDir().mkpath(folder_ + QStringLiteral("/Nerb")));
    ReplaceFile(iniText);
  }
  void ReplaceFile(const QByteArray& iniText) {
    QSaveFile file(IniPath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(iniText);
    ASSERT_TRUE(file.commit());
  }
  QByteArray FileText() const {
    QFile file(IniPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }

  QTemporaryDir root_;
  QString folder_;
  int runs_ = 0;
};

void ExpectDefaults(const StoredChoices& c) {
  EXPECT_EQ(c.LanguageIndex, 0);
  EXPECT_EQ(c.LayoutType, "1");
  EXPECT_EQ(c.TitleColour, "2020095");
  EXPECT_EQ(c.titleColour(), Rgb(255, 210, 30));
  EXPECT_EQ(c.TitleFont, "Arial");
  EXPECT_TRUE(c.TitleBold);
  EXPECT_TRUE(c.TitleItalic);
  EXPECT_EQ(c.MoonStyle, "1");
  EXPECT_EQ(c.CoverStyle, "1");
  EXPECT_EQ(c.coverFitText, "0");
  EXPECT_EQ(c.coverFit(), orsalimbra::render::CoverFit::Fill);
  EXPECT_EQ(c.OrdInv, 0);
  EXPECT_TRUE(c.TitleShadow);
  EXPECT_FALSE(c.UserPhotosSet);
  EXPECT_TRUE(c.UseLocalTime);
  for (int page = 0; page < keys::kPageCount; ++page) {
    EXPECT_EQ(c.PhotoPaths[page], "") << page;
    EXPECT_EQ(c.PhotoNotes[page], "") << page;
  }
}

TEST_F(SettingsStoreTest, FirstRunGivesTheDefaultsAndLeavesOnlyTheVersionStamp) {
  SettingsStore store(QStringLiteral("Mycal"));
  EXPECT_EQ(SettingsStore::FilePath(), IniPath());

  const SettingsStore::VersionOutcome outcome = store.applyVersion();
  EXPECT_EQ(outcome.storedVersion, "0");
  EXPECT_TRUE(outcome.sectionDiscarded);
  EXPECT_TRUE(outcome.stamped);
  ExpectDefaults(ReadStoredChoices(store));
  EXPECT_EQ(ReadEditorFontSize(store), 9);

  EXPECT_EQ(FileText(), "[Mycal]\nVersione=3\n");
  EXPECT_EQ(store.failureCount(), 0);
}

struct VersionCase {
  const char* stored;
  bool kept;
};

TEST_F(SettingsStoreTest, SectionsBelowVersion2OrWithoutANumberAreDiscardedOthersKept) {
  const VersionCase cases[] = {{"2", true},   {"3", true},    {"10", true},  {"1", false},
                               {"0", false},  {"-4", false},  {"x", false},  {"", false},
                               {"2.5", true}, {"1.5", false}, {"nan", false}};
  for (const VersionCase& c : cases) {
    SCOPED_TRACE(c.stored);
    Seed(QByteArray("[Mycal]\nVersione=") + c.stored +
         "\nLuna=5\nTitoloBold=False\nFoto03=/foto/marzo.jpg\n[Other]\nLuna=7\n");
    SettingsStore store(QStringLiteral("Mycal"));
    const SettingsStore::VersionOutcome outcome = store.applyVersion();
    EXPECT_EQ(outcome.storedVersion, c.stored);
    EXPECT_EQ(outcome.sectionDiscarded, !c.kept);
    EXPECT_TRUE(outcome.stamped);

    Restart();
    const SettingsStore again(QStringLiteral("Mycal"));
    EXPECT_EQ(again.read(K(keys::Versione), QString()), "3");
    const StoredChoices choices = ReadStoredChoices(again);
    if (c.kept) {
      EXPECT_EQ(choices.MoonStyle, "5");
      EXPECT_FALSE(choices.TitleBold);
      EXPECT_EQ(choices.PhotoPaths[3], "/foto/marzo.jpg");
    } else {
      ExpectDefaults(choices);
    }
    // Another program's section is never touched.
    EXPECT_EQ(SettingsStore(QStringLiteral("Other")).read(K(keys::Luna), QString()), "7");
  }
}

TEST_F(SettingsStoreTest, ValuesThatDoNotConvertKeepThePreviousChoice) {
  Seed(
      "[Mycal]\nVersione=3\nLingua=abc\nTitoloBold=0\nTitoloItalic=-1\nOmbra=TRUE\n"
      "RegFoto=maybe\nLocalTime=maybe\nOrdInv=70000\nFontSize=big\n");
  SettingsStore store(QStringLiteral("Mycal"));
  store.applyVersion();

  StoredChoices previous;
  previous.LanguageIndex = 4;
  previous.UserPhotosSet = true;
  previous.OrdInv = 1;
  const StoredChoices c = ReadStoredChoices(store, previous);
  EXPECT_EQ(c.LanguageIndex, 4);
  EXPECT_FALSE(c.TitleBold);
  EXPECT_TRUE(c.TitleItalic);
  EXPECT_TRUE(c.TitleShadow);
  EXPECT_TRUE(c.UserPhotosSet);  // kept from previous
  EXPECT_FALSE(c.UseLocalTime);  // the initial value, not the default
  EXPECT_EQ(c.OrdInv, 1);        // beyond 16 bits
  EXPECT_EQ(ReadEditorFontSize(store, 11), 11);

  // With nothing read before, the fields keep their initial values.
  const StoredChoices fresh = ReadStoredChoices(store);
  EXPECT_EQ(fresh.LanguageIndex, 0);
  EXPECT_FALSE(fresh.UserPhotosSet);
}

// A font name, a picture path or a note over its cap is junk: the key's
// default. A text at the cap is kept.
TEST_F(SettingsStoreTest, TextsOverTheirCapsGiveTheDefaults) {
  struct Row {
    const char* key;
    qsizetype length;
    bool kept;
  };
  const Row rows[] = {
      {"TitoloFont", kMaxFontNameLength, true},
      {"TitoloFont", kMaxFontNameLength + 1, false},
      {"Foto03", kMaxPathLength, true},
      {"Foto04", kMaxPathLength + 1, false},
      {"Nota05", kMaxNoteLength, true},
      {"Nota06", kMaxNoteLength + 1, false},
      {"Nota07", 5'000'000, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(::testing::Message() << row.key << " of " << row.length);
    const QString text(row.length, u'x');
    Seed("[Mycal]\nVersione=3\n" + QByteArray(row.key) + "=" + text.toLatin1() + "\n");
    SettingsStore store(QStringLiteral("Mycal"));
    const StoredChoices c = ReadStoredChoices(store);
    const QString key = K(row.key);
    const QString read = key == "TitoloFont"      ? c.TitleFont
                         : key.startsWith("Foto") ? c.PhotoPaths[key.right(2).toInt()]
                                                  : c.PhotoNotes[key.right(2).toInt()];
    const QString fallback = key == "TitoloFont" ? QStringLiteral("Arial") : QString();
    EXPECT_EQ(read, row.kept ? text : fallback);
  }
}

TEST_F(SettingsStoreTest, StoredCodesAreConvertedWhereUsed) {
  Seed(
      "[Mycal]\nVersione=3\nTipo=2\nColoreTitolo=blue\nLuna=\nCopertina=4\nAdattaCopertina=2\n"
      "FontSize=12\n");
  SettingsStore store(QStringLiteral("Mycal"));
  store.applyVersion();
  StoredChoices c = ReadStoredChoices(store);
  EXPECT_EQ(c.layoutCode(), orsalimbra::core::LayoutCode::Daily);
  EXPECT_EQ(c.TitleColour, "blue");
  EXPECT_EQ(c.titleColour(), std::nullopt);
  EXPECT_EQ(c.MoonStyle, "");  // present but empty: not the default
  EXPECT_EQ(c.moonStyle(), std::nullopt);
  EXPECT_EQ(c.coverStyle(), orsalimbra::render::CoverCode::PictureOnly);
  EXPECT_EQ(c.coverFit(), orsalimbra::render::CoverFit::Stretch);
  EXPECT_EQ(ReadEditorFontSize(store), 12);
  // A fit no version knows is kept as stored; the pages fill with it.
  c.coverFitText = QStringLiteral("9");
  EXPECT_EQ(c.coverFit(), orsalimbra::render::CoverFit{9});
  c.coverFitText = QStringLiteral("riempi");
  EXPECT_EQ(c.coverFit(), std::nullopt);

  c.LayoutType = QString();
  EXPECT_EQ(c.layoutCode(), std::nullopt);
  c.LayoutType = QStringLiteral("x");
  EXPECT_EQ(c.layoutCode(), std::nullopt);
  c.LayoutType = QStringLiteral("7");  // no layout, but kept as stored
  EXPECT_EQ(c.layoutCode(), orsalimbra::core::LayoutCode{7});
}

TEST_F(SettingsStoreTest, EveryValueComesBackAsTheSameTextAfterARestart) {
  SettingsStore store(QStringLiteral("Mycal"));
  store.applyVersion();
  ASSERT_TRUE(store.write(K(keys::ColoreTitolo), FormatColour(Rgb(12, 34, 56))));
  ASSERT_TRUE(store.write(K(keys::TitoloBold), FormatBool(false)));
  ASSERT_TRUE(store.write(K(keys::Ombra), FormatBool(true)));
  ASSERT_TRUE(store.write(K(keys::Lingua), FormatInt(3)));
  // Texts the INI format must quote or escape to keep them whole.
  const QString texts[] = {
      QStringLiteral("C:\\Foto\\gennaio.jpg"),
      QStringLiteral("/home/u/foto, mare.jpg"),
      QStringLiteral("Buon Natale\\e felice anno"),
      QStringLiteral("  spazi prima e dopo  "),
      QStringLiteral("@home"),
      QStringLiteral("a;b=c \"q\" [x] #y"),
      QString::fromUtf8("città € über"),
      QStringLiteral("riga\nseconda"),
      QString(),
  };
  for (int i = 0; i < static_cast<int>(std::size(texts)); ++i) {
    ASSERT_TRUE(store.write(keys::NoteKey(i), texts[i]));
  }
  ASSERT_TRUE(store.write(keys::PhotoKey(5), QStringLiteral("/foto/maggio.jpg")));

  Restart();
  const SettingsStore again(QStringLiteral("Mycal"));
  for (int i = 0; i < static_cast<int>(std::size(texts)); ++i) {
    EXPECT_EQ(again.read(keys::NoteKey(i), QStringLiteral("missing")), texts[i]) << i;
  }
  const StoredChoices c = ReadStoredChoices(again);
  EXPECT_EQ(c.titleColour(), Rgb(12, 34, 56));
  EXPECT_FALSE(c.TitleBold);
  EXPECT_TRUE(c.TitleShadow);
  EXPECT_EQ(c.LanguageIndex, 3);
  EXPECT_EQ(c.PhotoPaths[5], "/foto/maggio.jpg");
  EXPECT_EQ(c.PhotoNotes[11], "");  // never written: the empty default

  // The file holds the plain encodings, readable by any other program.
  const QByteArray text = FileText();
  EXPECT_TRUE(text.contains("\nColoreTitolo=3678732\n")) << text.constData();
  EXPECT_TRUE(text.contains("\nTitoloBold=False\n"));
  EXPECT_TRUE(text.contains("\nOmbra=True\n"));
  EXPECT_TRUE(text.contains("\nVersione=3\n"));
}

TEST_F(SettingsStoreTest, AHandEditedTextWithACommaReadsWhole) {
  Seed("[Mycal]\nVersione=3\nNota05=Ciao, mondo\nTitoloFont=@Invalid()\n");
  const SettingsStore store(QStringLiteral("Mycal"));
  EXPECT_EQ(store.read(keys::NoteKey(5), QString()), "Ciao, mondo");
  EXPECT_EQ(store.read(K(keys::TitoloFont), QStringLiteral("Arial")), "Arial");
}

TEST_F(SettingsStoreTest, SectionIsTheProgramFileNameCapitalised) {
  const std::pair<const char*, const char*> cases[] = {
      {"mycal.exe", "Mycal"},
      {"MyCal.exe", "Mycal"},
      {"MYCAL.EXE", "Mycal"},
      {"C:\\Programmi\\MYCAL.EXE", "Mycal"},
      {"/usr/local/bin/orsalimbra", "Orsalimbra"},
      {"my.cal.exe", "My.cal"},
      {"\xc3\xa9"
       "cole.exe",
       "\xc3\x89"
       "cole"},  // école
      {".hidden", ".hidden"},
      {"", "Orsalimbra"},
      {"/opt/prog/", "Orsalimbra"},
      {"C:\\x\\.exe", ".exe"},
  };
  for (const auto& [file, section] : cases) {
    EXPECT_EQ(SettingsStore::SectionFromProgramFile(QString::fromUtf8(file)),
              QString::fromUtf8(section))
        << file;
  }
  EXPECT_EQ(SettingsStore(QString()).section(), "Orsalimbra");
}

TEST_F(SettingsStoreTest, AFailingWriteIsReportedAndNotFatal) {
  // Blocked once by a regular file where the folder belongs and once by a
  // folder where the file belongs (permissions would not stop root).
  for (const bool folderBlocked : {true, false}) {
    SCOPED_TRACE(folderBlocked ? "folder blocked" : "file blocked");
    UseNewFolder();
    const QString blocker = folderBlocked ? folder_ + QStringLiteral("/Nerb") : IniPath();
    if (folderBlocked) {
      QFile file(blocker);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    } else {
      ASSERT_TRUE(QDir().mkpath(blocker));
    }

    SettingsStore store(QStringLiteral("Mycal"));
    const SettingsStore::VersionOutcome outcome = store.applyVersion();
    EXPECT_FALSE(outcome.stamped);
    const int failures = store.failureCount();
    EXPECT_GE(failures, 1);
    EXPECT_FALSE(store.write(K(keys::Luna), QStringLiteral("3")));
    EXPECT_EQ(store.failureCount(), failures + 1);
    ExpectDefaults(ReadStoredChoices(store));

    // Once the cause is gone the same store writes again.
    if (folderBlocked) {
      ASSERT_TRUE(QFile::remove(blocker));
    } else {
      ASSERT_TRUE(QDir(blocker).removeRecursively());
    }
    EXPECT_TRUE(store.write(K(keys::Luna), QStringLiteral("4")));
    EXPECT_EQ(store.failureCount(), failures + 1);
    Restart();
    EXPECT_EQ(SettingsStore(QStringLiteral("Mycal")).read(K(keys::Luna), QString()), "4");
  }
}

TEST_F(SettingsStoreTest, TwoCopiesShareTheSectionAndTheLastWriteOfAKeyWins) {
  SettingsStore first(QStringLiteral("Mycal"));
  SettingsStore second(QStringLiteral("Mycal"));
  first.applyVersion();
  ASSERT_TRUE(first.write(K(keys::Luna), QStringLiteral("3")));
  ASSERT_TRUE(second.write(K(keys::Luna), QStringLiteral("4")));
  EXPECT_EQ(first.read(K(keys::Luna), QString()), "4");

  // Another running copy rewrites the file behind this process's back: its
  // value is seen, and a later write here keeps it instead of restoring the
  // file as this process last knew it.
  ReplaceFile(FileText() + "Copertina=2\n");
  EXPECT_EQ(first.read(K(keys::Copertina), QString()), "2");
  ASSERT_TRUE(first.write(K(keys::Ombra), FormatBool(false)));

  Restart();
  const StoredChoices c = ReadStoredChoices(SettingsStore(QStringLiteral("Mycal")));
  EXPECT_EQ(c.MoonStyle, "4");
  EXPECT_EQ(c.CoverStyle, "2");
  EXPECT_FALSE(c.TitleShadow);
}

// Each rewrite of the file is flushed to the disk; the window rewrites keys
// with their own values at every rebuild and confirmation.
TEST_F(SettingsStoreTest, UnchangedValuesLeaveTheFileAloneAndABatchStoresEveryKey) {
  // The file is replaced whole at each rewrite, so a rewrite shows as a new inode.
  const auto inode = [this] {
    struct stat info {};
    return ::stat(QFile::encodeName(IniPath()).constData(), &info) == 0 ? info.st_ino : 0;
  };
  SettingsStore store(QStringLiteral("Mycal"));
  store.applyVersion();
  const std::vector<SettingsWrite> pictures = {{K("Foto01"), QStringLiteral("/foto/a.jpg")},
                                               {K("Nota01"), QString()},
                                               {K("Foto02"), QStringLiteral("/foto/b.jpg")}};
  ASSERT_TRUE(store.write(pictures));
  const auto written = inode();
  ASSERT_NE(written, 0u);
  EXPECT_TRUE(store.write(K("Foto01"), QStringLiteral("/foto/a.jpg")));
  EXPECT_TRUE(store.write(pictures));
  EXPECT_TRUE(store.write(K(keys::Versione), QStringLiteral("3")));
  EXPECT_EQ(inode(), written);

  EXPECT_TRUE(store.write(K("Nota01"), QStringLiteral("neve")));
  EXPECT_NE(inode(), written);
  Restart();
  const SettingsStore again(QStringLiteral("Mycal"));
  EXPECT_EQ(again.read(K("Foto01"), QString()), "/foto/a.jpg");
  EXPECT_EQ(again.read(K("Nota01"), QString()), "neve");
  EXPECT_EQ(again.read(K("Foto02"), QString()), "/foto/b.jpg");
  EXPECT_EQ(store.failureCount(), 0);
}

}  // namespace
