// The guide and "О программе": F1 in each window opens the guide at that
// window's section, no section is empty and every link leads to one, the
// lines the guide explains look as the diagram draws them, the About box
// holds the version and the licence of the build.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>

#include "core/base/numfmt.h"
#include "core/diagram/picture.h"
#include "gui_test_support.h"
#include "ui/diagram/tspoints.h"
#include "ui/diagram/tsvid.h"
#include "ui/main/help.h"
#include "ui/main/mainwindow.h"
#include "ui/process/cyclewindow.h"
#include "ui/process/form2.h"
#include "ui/process/form3.h"
#include "ui/process/form5.h"
#include "ui/process/form6.h"
#include "ui/services/language.h"

namespace {

using app::HelpSection;

using testing_support::chooseNitrogen;

TEST(Help, F1InEachWindowOpensTheGuideAtThatWindowsSection) {
  auto run = testing_support::startProgram();
  app::Program& p = run->program;
  chooseNitrogen(p);
  struct Case {
    const char* name;
    QWidget* window;
    const char* title;  // of the section, as the guide heads it
  };
  const Case cases[] = {
      {"main window", p.Form1.get(), "Главное окно"},
      {"diagram", p.TSvid.get(), "TS диаграмма"},
      {"points table", p.TS_points.get(), "Таблица точек"},
      {"ideal processes", p.Form2.get(), "Идеальные процессы"},
      {"their results", p.Form3.get(), "Таблица идеальных процессов"},
      {"real processes", p.Form5.get(), "Реальные процессы"},
      {"their results", p.Form6.get(), "Таблица реальных процессов"},
      {"liquefaction cycles", p.Cycles.get(), "Циклы ожижения"},
  };
  app::HelpWindow* help = p.Help.get();
  QSet<int> seen;
  for (const Case& c : cases) {
    help->hide();
    c.window->show();
    c.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(c.window)) << c.name;
    QTest::keyClick(c.window, Qt::Key_F1);
    ASSERT_TRUE(help->isVisible()) << c.name;
    const QString title = QString::fromUtf8(c.title);
    EXPECT_EQ(help->Text->document()->firstBlock().text(), title) << c.name;
    ASSERT_NE(help->Contents->currentItem(), nullptr) << c.name;
    EXPECT_EQ(help->Contents->currentItem()->text(), title) << c.name;
    seen.insert(int(help->section()));
    c.window->hide();
  }
  EXPECT_EQ(seen.size(), int(std::size(cases)));
  EXPECT_TRUE(testing_support::recorder().texts.isEmpty()) << testing_support::recorder().texts.join(u'|').toStdString();
}

// The blocks of a section as the browser lays them out.
struct Block {
  QString text;
  int heading = 0;  // 2 the title, 3 a heading, 0 text
};
QList<Block> blocksOf(HelpSection s) {
  QTextDocument doc;
  doc.setHtml(app::helpHtml(s));
  QList<Block> blocks;
  for (QTextBlock b = doc.firstBlock(); b.isValid(); b = b.next())
    if (!b.text().trimmed().isEmpty()) blocks.append({b.text(), b.blockFormat().headingLevel()});
  return blocks;
}

TEST(Help, NoSectionOrHeadingIsEmptyAndEveryLinkLeadsToASection) {
  QSet<QString> anchors, titles;
  const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
  for (int k = 0; k < app::kHelpSectionCount; ++k) {
    const auto s = HelpSection(k);
    const QString name = app::helpAnchor(s);
    anchors.insert(name);
    titles.insert(app::helpTitle(s));
    HelpSection back = HelpSection::Main;
    ASSERT_TRUE(app::helpSectionOf(name, back)) << name.toStdString();
    EXPECT_EQ(back, s);

    const QList<Block> blocks = blocksOf(s);
    ASSERT_GE(blocks.size(), 3) << name.toStdString();
    EXPECT_EQ(blocks.first().heading, 2) << name.toStdString();
    EXPECT_EQ(blocks.first().text, app::helpTitle(s));
    // Every heading is followed by text, not by another heading or the end.
    for (int b = 1; b < blocks.size(); ++b)
      if (blocks[b].heading > 0) {
        ASSERT_LT(b + 1, blocks.size()) << name.toStdString() << ": " << blocks[b].text.toStdString();
        EXPECT_EQ(blocks[b + 1].heading, 0) << name.toStdString() << ": " << blocks[b].text.toStdString();
      }
    int words = 0;
    for (const Block& b : blocks) words += int(b.text.split(u' ', Qt::SkipEmptyParts).size());
    EXPECT_GT(words, 60) << name.toStdString();

    for (auto m = link.globalMatch(app::helpHtml(s)); m.hasNext();) {
      const QString href = m.next().captured(1);
      ASSERT_TRUE(href.startsWith(u'#')) << href.toStdString();
      HelpSection to = HelpSection::Main;
      EXPECT_TRUE(app::helpSectionOf(href.mid(1), to)) << name.toStdString() << " -> " << href.toStdString();
      EXPECT_NE(to, s) << href.toStdString();
    }
  }
  EXPECT_EQ(anchors.size(), app::kHelpSectionCount);
  EXPECT_EQ(titles.size(), app::kHelpSectionCount);
  HelpSection none = HelpSection::Main;
  EXPECT_FALSE(app::helpSectionOf(QStringLiteral("nowhere"), none));
}

TEST(Help, TheSignConventionIsTheFirstLawOfTheProcessWindow) {
  // The guide states -Q = di + L and the five processes' formulas.
  QStringList text;
  for (const Block& b : blocksOf(HelpSection::Process)) text << b.text;
  const QString all = text.join(u'\n');
  EXPECT_TRUE(all.contains(QStringLiteral("−Q = Δi + L"))) << all.toStdString();
  for (const char* formula : {"Q = T (s1 − s2)", "Q = i1 − i2, L = 0", "L = (P1 − P2) v", "Q = 0, L = 0",
                              "Q = 0, L = i1 − i2"})
    EXPECT_TRUE(all.contains(QString::fromUtf8(formula))) << formula;
}

TEST(Help, ContentsAndLinksShowTheirSection) {
  auto run = testing_support::startProgram();
  app::HelpWindow* help = run->program.Help.get();
  run->program.Form1->Guide->trigger();
  ASSERT_TRUE(help->isVisible());
  EXPECT_EQ(help->section(), HelpSection::Main);
  EXPECT_EQ(help->Contents->count(), app::kHelpSectionCount);
  help->Contents->setCurrentRow(int(HelpSection::Cycles));
  EXPECT_EQ(help->section(), HelpSection::Cycles);
  EXPECT_EQ(help->Text->document()->firstBlock().text(), app::helpTitle(HelpSection::Cycles));
  // A link of the text, as a click on it sends it.
  emit help->Text->anchorClicked(QUrl(QStringLiteral("#model")));
  EXPECT_EQ(help->section(), HelpSection::Model);
  EXPECT_EQ(help->Contents->currentRow(), int(HelpSection::Model));
  // Anything else leaves the guide where it is.
  emit help->Text->anchorClicked(QUrl(QStringLiteral("https://example.org/#main")));
  EXPECT_EQ(help->section(), HelpSection::Model);
  // Every sample of a line is an image the browser can show.
  help->Contents->setCurrentRow(int(HelpSection::Diagram));
  for (int e = 0; e < app::legendCount(); ++e) {
    const QVariant img = help->Text->loadResource(QTextDocument::ImageResource,
                                                  QUrl(QStringLiteral("legend:%1").arg(e)));
    EXPECT_FALSE(img.value<QImage>().isNull()) << e;
  }
  help->Close->click();
  EXPECT_FALSE(help->isVisible());
}

// The lines the guide explains, in its order, against the picture the
// diagram window draws after an ideal process, a real compressor and a
// Linde-Hampson cycle.
TEST(Help, TheLinesExplainedLookAsTheDiagramDrawsThem) {
  auto run = testing_support::startProgram();
  app::Program& p = run->program;
  chooseNitrogen(p);
  ASSERT_TRUE(testing_support::drawIdealProcess(p));
  TForm5* r = p.Form5.get();
  r->show();
  r->DevItem[0]->click();
  r->Edit2->setText(QStringLiteral("300"));
  r->Edit4->setText(QStringLiteral("0.1"));
  r->EP2->setText(QStringLiteral("1"));
  r->EEta->setText(QStringLiteral("0.8"));
  ASSERT_TRUE(r->Calc0Click());
  r->BitBtn4->click();
  p.Cycles->show();
  p.Cycles->OnDiagram->setChecked(true);

  const diagram::Picture pic = diagram::composePicture(p.session);
  using diagram::LineRole;
  auto first = [&](LineRole role) -> const diagram::Polyline* {
    for (const diagram::Polyline& l : pic.lines)
      if (l.role == role) return &l;
    return nullptr;
  };
  const diagram::Polyline* drawn[] = {
      &pic.lines[diagram::kSatLiquid],       &pic.lines[diagram::kSatVapour],
      &pic.lines[diagram::kIsobar0 + 1],     &pic.lines[diagram::kIsobar0 + 0],
      &pic.lines[diagram::kIsenthalp0 + 0],  &pic.lines[diagram::kIsenthalp0 + 5],
      &pic.lines[diagram::kMelting],         &pic.lines[diagram::kProcess0 + 1],
      &pic.lines[diagram::kMarkers],         first(LineRole::DeviceReal),
      first(LineRole::DeviceIdeal),          first(LineRole::CycleLine),
      first(LineRole::CycleChord),           first(LineRole::CycleStates)};
  ASSERT_EQ(app::legendCount(), int(std::size(drawn)));
  for (int e = 0; e < app::legendCount(); ++e) {
    ASSERT_NE(drawn[e], nullptr) << e;
    const diagram::Polyline& l = *drawn[e];
    EXPECT_FALSE(l.points.empty()) << e;
    const app::LegendLook k = app::legendLook(e);
    EXPECT_EQ((diagram::Rgb{k.r, k.g, k.b}), l.colour) << e;
    EXPECT_EQ(k.joined, l.joined) << e;
    EXPECT_EQ(k.marker, l.marker) << e;
    if (l.joined) {
      EXPECT_EQ(k.width, l.width) << e;
      EXPECT_EQ(k.dashed, l.dash == diagram::Dash::Dashed) << e;
    }
  }
  // The guide's two isobar entries hold for every isobar: red at 0.1, 1, 10
  // and 100 MPa, black at the others; the isenthalps five and five.
  for (int i = 0; i <= 10; ++i) {
    const bool red = i == 1 || i == 4 || i == 7 || i == 10;
    const app::LegendLook k = app::legendLook(red ? 2 : 3);
    EXPECT_EQ((diagram::Rgb{k.r, k.g, k.b}), pic.lines[diagram::kIsobar0 + i].colour) << i;
  }
  for (int j = 0; j < 10; ++j) {
    const app::LegendLook k = app::legendLook(j < 5 ? 4 : 5);
    const diagram::Polyline& l = pic.lines[diagram::kIsenthalp0 + j];
    EXPECT_EQ((diagram::Rgb{k.r, k.g, k.b}), l.colour) << j;
    EXPECT_EQ(k.dashed, l.dash == diagram::Dash::Dashed) << j;
  }
}

TEST(Help, TheMenuComesAfterTheMainMenusItemsAndAboutHoldsVersionAndLicence) {
  auto run = testing_support::startProgram();
  TForm1* main = run->program.Form1.get();
  // "Справка" after every specified item (their order is the main window
  // test's), with the guide on F1.
  QStringList items;
  for (QAction* a : main->MainMenu1->actions()) items << a->text();
  ASSERT_EQ(items.size(), 8);
  EXPECT_EQ(items.indexOf(QStringLiteral("  Выход")), 6);
  EXPECT_EQ(items.last(), QStringLiteral("  Справка"));
  EXPECT_EQ(main->Guide->shortcut(), QKeySequence(Qt::Key_F1));
  ASSERT_EQ(main->HelpMenu->actions().size(), 2);

  main->About->trigger();
  app::AboutBox* about = run->program.About.get();
  ASSERT_TRUE(about->isVisible());
  const QString text = about->Text->text();
  // The version of the build and the licence of the sources.
  EXPECT_TRUE(text.contains(QStringLiteral("Версия " ENTROGRAF_TEST_VERSION))) << text.toStdString();
  QFile license(QStringLiteral(ENTROGRAF_SOURCE_DIR "/LICENSE"));
  ASSERT_TRUE(license.open(QIODevice::ReadOnly));
  const QString head = QString::fromUtf8(license.read(200)).simplified();
  ASSERT_TRUE(head.startsWith(QStringLiteral("GNU GENERAL PUBLIC LICENSE Version 3"))) << head.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("GNU General Public License версии 3 или"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("LICENSE")));
  // The sources of the property data name the equations.
  for (const char* source : {"Redlich", "Soave", "JANAF"})
    EXPECT_TRUE(text.contains(QString::fromLatin1(source))) << source;
  about->Close->click();
  EXPECT_FALSE(about->isVisible());
}

// With ENTROGRAF_SNAPSHOT=<folder> the guide's sections and the About box
// are written there as PNGs, in Russian and in English.
TEST(Help, Snapshots) {
  const QByteArray out = qgetenv("ENTROGRAF_SNAPSHOT");
  if (out.isEmpty()) GTEST_SKIP() << "ENTROGRAF_SNAPSHOT not set";
  const QString dir = QString::fromLocal8Bit(out);
  const char keep = app::decimalSeparator();
  for (const auto& [lang, tag] : {std::pair{app::Language::Russian, "ru"}, std::pair{app::Language::English, "en"}}) {
    app::useLanguage(lang);
    app::HelpWindow help;
    for (int k = 0; k < app::kHelpSectionCount; ++k) {
      help.showSection(HelpSection(k));
      QApplication::processEvents();
      EXPECT_TRUE(help.grab().save(QStringLiteral("%1/help-%2-%3.png").arg(dir, QLatin1String(tag),
                                                                               app::helpAnchor(HelpSection(k)))));
    }
    app::AboutBox about;
    about.showAbout();
    QApplication::processEvents();
    EXPECT_TRUE(about.grab().save(QStringLiteral("%1/about-%2.png").arg(dir, QLatin1String(tag))));
    // The main window with "Справка" at the end of its menu.
    auto run = testing_support::startProgram();
    run->program.Form1->show();
    QApplication::processEvents();
    EXPECT_TRUE(run->program.Form1->grab().save(QStringLiteral("%1/main-%2.png").arg(dir, QLatin1String(tag))));
  }
  app::useLanguage(app::Language::Russian);
  app::setDecimalSeparator(keep);
}

}  // namespace
