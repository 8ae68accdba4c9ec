// The program in English and in Russian: with --lang en no window shows a
// Cyrillic letter, with --lang ru the texts are the program's own and Qt's
// dialogs speak Russian; numbers follow the language.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QBarCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTabWidget>
#include <QTextEdit>
#include <QXmlStreamReader>

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

// Every text a widget shows: captions, labels, buttons, fields, list and
// table items, menus.
QStringList shownTexts(QWidget* top) {
  QStringList t;
  QList<QWidget*> all = top->findChildren<QWidget*>();
  all.prepend(top);
  for (QWidget* w : all) {
    if (w->isWindow()) t << w->windowTitle();
    if (auto* l = qobject_cast<QLabel*>(w)) t << l->text();
    if (auto* e = qobject_cast<QTextEdit*>(w)) t << e->toPlainText();
    if (auto* b = qobject_cast<QAbstractButton*>(w)) t << b->text();
    if (auto* e = qobject_cast<QLineEdit*>(w)) t << e->text();
    if (auto* g = qobject_cast<QGroupBox*>(w)) t << g->title();
    if (auto* c = qobject_cast<QComboBox*>(w))
      for (int i = 0; i < c->count(); ++i) t << c->itemText(i);
    if (auto* l = qobject_cast<QListWidget*>(w))
      for (int i = 0; i < l->count(); ++i) t << l->item(i)->text();
    if (auto* g = qobject_cast<QTableWidget*>(w))
      for (int r = 0; r < g->rowCount(); ++r)
        for (int c = 0; c < g->columnCount(); ++c)
          if (g->item(r, c)) t << g->item(r, c)->text();
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) t << tabs->tabText(i);
    if (auto* v = qobject_cast<QChartView*>(w)) {
      t << v->chart()->title();
      for (QAbstractAxis* a : v->chart()->axes()) {
        t << a->titleText();
        if (auto* c = qobject_cast<QBarCategoryAxis*>(a)) t << c->categories();
      }
    }
    for (QAction* a : w->actions()) t << a->text();
    if (auto* m = qobject_cast<QMenuBar*>(w))
      for (QAction* a : m->actions()) {
        t << a->text();
        if (a->menu())
          for (QAction* b : a->menu()->actions()) t << b->text();
      }
  }
  return t;
}

QStringList pictureTexts(const diagram::Picture& p) {
  QStringList t{QString::fromStdString(p.caption), QString::fromStdString(p.s.title), QString::fromStdString(p.T.title)};
  for (const diagram::Label& l : p.labels) t << QString::fromStdString(l.text);
  return t;
}

// A session as a student leaves it: nitrogen, a process computed, drawn and
// tabulated, a point picked, the real-process window and a Claude cycle
// open.
void work(testing_support::Started& run) {
  app::Program& p = run.program;
  testing_support::chooseNitrogen(p);
  ASSERT_TRUE(testing_support::drawIdealProcess(p));
  p.Form2->BitBtn1->click();
  TTSvid* d = p.TSvid.get();
  d->resize(1000, 800);
  d->Timer1Timer();
  const QPoint gas = d->viewPosOf(6.0, 200).toPoint();
  d->Chart1MouseMove(gas);
  d->Chart1Click(gas);
  p.Form5->show();
  p.Form5->BitBtn6->click();
  p.Cycles->Kind->setCurrentIndex(2);
  p.Cycles->Kind->activated(2);
}

TEST(Language, EnglishWindowsShowNoCyrillicLetter) {
  int argc = 3;
  char a0[] = "entrograf", a1[] = "--lang", a2[] = "en";
  char* argv[] = {a0, a1, a2, nullptr};
  app::Language lang = app::Language::Russian;
  QString error;
  ASSERT_TRUE(app::takeLanguage(argc, argv, lang, error));
  EXPECT_EQ(argc, 1);
  ASSERT_EQ(lang, app::Language::English);
  const char keep = app::decimalSeparator();
  app::useLanguage(lang);
  EXPECT_EQ(app::decimalSeparator(), '.');
  {
    auto run = testing_support::startProgram();
    work(*run);
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    QStringList texts;
    for (QWidget* w : QApplication::topLevelWidgets()) texts << shownTexts(w);
    texts << pictureTexts(run->program.TSvid->picture());
    for (const QString& m : testing_support::recorder().texts) texts << m;
    // The guide, every section of it, and "О программе".
    for (int k = 0; k < app::kHelpSectionCount; ++k) {
      run->program.Help->showSection(app::HelpSection(k));
      texts << shownTexts(run->program.Help.get());
    }
    run->program.Form1->About->trigger();
    texts << shownTexts(run->program.About.get());
    EXPECT_GT(texts.size(), 300);
    for (const QString& t : texts) EXPECT_FALSE(t.contains(cyrillic)) << t.toStdString();
    EXPECT_EQ(run->program.Form1->Label1->text(), QStringLiteral("Teaching program"));
    // With ENTROGRAF_SNAPSHOT=<file.png> the English main window is written there.
    if (const QByteArray out = qgetenv("ENTROGRAF_SNAPSHOT"); !out.isEmpty()) {
      run->program.Form1->show();
      QApplication::processEvents();
      EXPECT_TRUE(run->program.Form1->grab().save(QString::fromLocal8Bit(out)));
    }
    EXPECT_TRUE(run->program.Form2->EQ->text().contains(u'.'));
    // A refusal of the library in English as well.
    testing_support::recorder().texts.clear();
    run->program.Form2->Edit10->setText(QStringLiteral("40"));
    run->program.Form2->PaNam3->setCurrentIndex(0);
    run->program.Form2->PaNam3Click();
    run->program.Form2->Edit10->setText(QStringLiteral("1e9"));
    run->program.Form2->Calc0Click();
    for (const QString& m : testing_support::recorder().texts) EXPECT_FALSE(m.contains(cyrillic)) << m.toStdString();
    EXPECT_FALSE(testing_support::recorder().texts.isEmpty());
    // And of a cycle: a low pressure above the high one.
    testing_support::recorder().texts.clear();
    run->program.Cycles->Data[TCycles::kPlow]->setValue(25);
    for (const QString& m : testing_support::recorder().texts) EXPECT_FALSE(m.contains(cyrillic)) << m.toStdString();
    EXPECT_FALSE(testing_support::recorder().texts.isEmpty());
  }
  app::useLanguage(app::Language::Russian);
  app::setDecimalSeparator(keep);
}

// Without --lang: Russian unless the system names another language.
TEST(Language, SystemLocaleDecides) {
  const std::pair<QLocale::Language, app::Language> cases[] = {
      {QLocale::Russian, app::Language::Russian},     {QLocale::C, app::Language::Russian},
      {QLocale::AnyLanguage, app::Language::Russian}, {QLocale::English, app::Language::English},
      {QLocale::German, app::Language::English},      {QLocale::Chinese, app::Language::English}};
  for (const auto& [system, lang] : cases) EXPECT_EQ(app::languageOfLocale(system), lang) << int(system);
}

TEST(Language, RussianShowsTheProgramsOwnTextsAndQtsRussian) {
  int argc = 3;
  char a0[] = "entrograf", a1[] = "--lang", a2[] = "ru";
  char* argv[] = {a0, a1, a2, nullptr};
  app::Language lang = app::Language::English;
  QString error;
  ASSERT_TRUE(app::takeLanguage(argc, argv, lang, error));
  ASSERT_EQ(lang, app::Language::Russian);
  const char keep = app::decimalSeparator();
  app::useLanguage(lang);
  EXPECT_EQ(app::decimalSeparator(), ',');
  // Qt's own texts (the fields' context menu) in Russian.
  EXPECT_NE(QCoreApplication::translate("QLineEdit", "&Copy"), QStringLiteral("&Copy"));
  {
    auto run = testing_support::startProgram();
    work(*run);
    app::Program& p = run->program;
    const QStringList texts = shownTexts(p.Form1.get()) + shownTexts(p.Form2.get()) + shownTexts(p.Form3.get());
    for (const char* shown : {"Учебная программа", "Выбор вешества", "  Идеальн. процессы ", "Логарифмическая шкала",
                              "Совеошенная газом техническая работа", "Конец => Начало", " Степень сухости",
                              "Изоэнтропа ( S = const )",
                              "Таблица резульатов расчета идеальных процессов  [ Кубическое уравнение (SRK) ]", " L, кДж/кг",
                              "  Справка", "Руководство", "О программе"})
      EXPECT_TRUE(texts.contains(QString::fromUtf8(shown))) << shown;
    EXPECT_EQ(p.TSvid->windowTitle(), QStringLiteral(" TS диаграмма для АЗОТА (в систeме SI, SRK)"));
    EXPECT_TRUE(p.Form2->EQ->text().contains(u','));
  }
  // An unknown language is refused by name.
  int n = 3;
  char b2[] = "de";
  char* bad[] = {a0, a1, b2, nullptr};
  EXPECT_FALSE(app::takeLanguage(n, bad, lang, error));
  EXPECT_TRUE(error.contains(QStringLiteral("ru")));
  app::setDecimalSeparator(keep);
}

// Every English text of the translation as an English reader expects it:
// translated, no Russian word, no " !" ending (English puts no blank before
// a mark and seldom an exclamation mark), the same placeholders as its
// Russian text.
TEST(Language, EveryEnglishTextReadsAsEnglish) {
  QFile ts(QStringLiteral(ENTROGRAF_SOURCE_DIR "/translations/entrograf_en.ts"));
  ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
  QXmlStreamReader xml(&ts);
  const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  const QRegularExpression placeholder(QStringLiteral("%\\d"));
  auto placeholders = [&](const QString& text) {
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) found << it.next().captured();
    found.sort();
    return found;
  };
  // An element's text; lupdate writes a carriage return as <byte value="xd"/>.
  auto text = [&xml] {
    QString t;
    for (int depth = 1; depth > 0 && !xml.atEnd();) {
      xml.readNext();
      if (xml.isCharacters()) t += xml.text();
      if (xml.isStartElement()) {
        ++depth;
        if (xml.name() == u"byte") t += QChar(char16_t(xml.attributes().value(QStringLiteral("value")).toString().mid(1).toInt(nullptr, 16)));
      }
      if (xml.isEndElement()) --depth;
    }
    return t;
  };
  QString context, source;
  int texts = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") {
      context = text();
    } else if (xml.name() == u"source") {
      source = text();
    } else if (xml.name() == u"translation") {
      const QString type = xml.attributes().value(QStringLiteral("type")).toString();
      const QString english = text();
      SCOPED_TRACE((context + QStringLiteral(": ") + source).toStdString());
      ++texts;
      EXPECT_TRUE(type.isEmpty()) << type.toStdString();
      EXPECT_FALSE(english.contains(cyrillic)) << english.toStdString();
      EXPECT_FALSE(english.contains(QStringLiteral(" !"))) << english.toStdString();
      EXPECT_FALSE(english.contains(QStringLiteral(" ?"))) << english.toStdString();
      EXPECT_EQ(placeholders(english), placeholders(source)) << english.toStdString();
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString() << ", line " << xml.lineNumber();
  EXPECT_GT(texts, 500);
}

}  // namespace
