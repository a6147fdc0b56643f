// Help always opens: the desktop's browser when one answers, else the
// program's own help window over the shipped page, links and anchors working.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <set>

#include "support/qt_test_support.h"
#include "ui/help_opener.h"
#include "ui/help_window.h"

namespace orsalimbra::ui {
namespace {

const QString kShippedPage = QStringLiteral(ORSALIMBRA_SOURCE_DIR "/data/Orsalimbra.htm");

// A desktop whose browser is there or not, and takes the page or not.
struct FakeDesktop {
  bool hasBrowser = false;
  bool opens = false;
  std::vector<QUrl> asked;
  DesktopBrowser Browser() {
    return {[this] { return hasBrowser; },
            [this](const QUrl& url) {
              asked.push_back(url);
              return opens;
            }};
  }
};

TEST(Help, TheDesktopWhenItsBrowserAnswersElseTheHelpWindow) {
  struct Case {
    const char* name;
    bool hasBrowser, opens;
    bool asked;      // the desktop was asked to show the page
    bool ownWindow;  // the program's help window shows it
  };
  const Case cases[] = {
      {"a browser that takes the page", true, true, true, false},
      {"a browser, but the desktop refuses", true, false, true, true},
      {"no browser: the desktop is not even asked", false, true, false, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    QWidget owner;
    FakeDesktop desktop{c.hasBrowser, c.opens, {}};
    HelpWindow* window = OpenHelp(&owner, kShippedPage, desktop.Browser());
    EXPECT_EQ(!desktop.asked.empty(), c.asked);
    if (c.asked) {
      EXPECT_EQ(desktop.asked[0], QUrl::fromLocalFile(kShippedPage));
    }
    ASSERT_EQ(window != nullptr, c.ownWindow);
    if (window == nullptr) continue;
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), "Orsalimbra - Guida");
    EXPECT_EQ(window->browser()->documentTitle(), "Orsalimbra - Guida");
    // Asked again, the same window shows the page again.
    EXPECT_EQ(OpenHelp(&owner, kShippedPage, desktop.Browser()), window);
    EXPECT_EQ(owner.findChildren<HelpWindow*>().size(), 1);
  }
}

TEST(Help, AMissingPageIsSaidInTheHelpWindow) {
  QTemporaryDir folder;
  QWidget owner;
  FakeDesktop desktop{true, true, {}};
  const QString missing = folder.filePath(QStringLiteral("Orsalimbra.htm"));
  HelpWindow* window = OpenHelp(&owner, missing, desktop.Browser());
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(desktop.asked.empty());
  EXPECT_TRUE(window->browser()->toPlainText().contains(QStringLiteral("Guida non trovata")));
  EXPECT_TRUE(window->browser()->toPlainText().contains(missing));
}

TEST(Help, EveryLinkOfTheShippedPageLeadsToAnAnchorAndAnchorsScroll) {
  QWidget owner;
  FakeDesktop desktop;
  HelpWindow* window = OpenHelp(&owner, kShippedPage, desktop.Browser());
  ASSERT_NE(window, nullptr);
  window->resize(700, 500);
  QTextBrowser* browser = window->browser();
  std::set<QString> targets, links;
  for (QTextBlock block = browser->document()->begin(); block.isValid(); block = block.next()) {
    for (const QString& name : block.charFormat().anchorNames()) targets.insert(name);
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      for (const QString& name : format.anchorNames()) targets.insert(name);
      const QString href = format.anchorHref();
      if (href.startsWith(u'#')) links.insert(href.mid(1));
    }
  }
  ASSERT_GE(links.size(), 10u);
  for (const QString& link : links) {
    EXPECT_EQ(targets.count(link), 1u) << "no anchor for #" << link.toStdString();
  }
  // Following a link scrolls to its section; Back returns to the top.
  QApplication::processEvents();
  ASSERT_EQ(browser->verticalScrollBar()->value(), 0);
  browser->setSource(QUrl::fromLocalFile(kShippedPage).resolved(QUrl(QStringLiteral("#editor"))));
  QApplication::processEvents();
  EXPECT_GT(browser->verticalScrollBar()->value(), 0);
  EXPECT_TRUE(browser->isBackwardAvailable());
  browser->backward();
  QApplication::processEvents();
  EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
}

}  // namespace
}  // namespace orsalimbra::ui
