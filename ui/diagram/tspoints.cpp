#include "ui/diagram/tspoints.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QScreen>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "core/base/modelname.h"
#include "core/diagram/readout.h"
#include "ui/services/tableactions.h"

namespace {
constexpr int kCols = diagram::kPointColumns;
constexpr int kRows = 100;
const QColor kFixed(0xF0, 0xF0, 0xF0);
}  // namespace

TTS_points::TTS_points(const app::Session& session, QWidget* parent) : QWidget(parent), session_(session) {
  setWindowTitle(QCoreApplication::translate("TTS_points", "Точки с TS диаграммы"));
  setWindowFlags(windowFlags() | Qt::Window);

  Label1 = new QLabel(this);
  QFont bold = Label1->font();
  bold.setBold(true);
  Label1->setFont(bold);
  Label1->setGeometry(16, 8, 600, 21);

  TS_tab = new QTableWidget(kRows, kCols, this);
  TS_tab->horizontalHeader()->hide();
  TS_tab->verticalHeader()->hide();
  TS_tab->setEditTriggers(QAbstractItemView::NoEditTriggers);
  TS_tab->verticalHeader()->setDefaultSectionSize(20);
  TS_tab->setGeometry(8, 34, 786, 300);

  BitBtn1 = new QPushButton(QCoreApplication::translate("TTS_points", "Назад"), this);
  connect(BitBtn1, &QPushButton::clicked, this, &TTS_points::BitBtn1Click);
  app::addTableActions(TS_tab, QCoreApplication::translate("TTS_points", "Точки"), [this] { return heading(); });

  FormCreate();
  app::keepHeaderRowInView(TS_tab, kFixed);
  // Wide enough for every column per kilogram, the model's one included.
  int width = 2 * TS_tab->frameWidth() + 20;
  for (int c = 0; c < kCols; ++c) width += TS_tab->columnWidth(c);
  width = std::max(width, 786);
  TS_tab->setGeometry(8, 34, width, 300);
  BitBtn1->setGeometry((width + 16) / 2 - 37, 342, 75, 25);
  resize(width + 16, 382);
}

void TTS_points::FormCreate() {
  setHeaders();
  showHeading();
  for (int r = 1; r < kRows; ++r) fixCell(0, r);
  for (int n = 1; n <= int(session_.points.size()); ++n) showPoint(n);
}

void TTS_points::setHeaders() {
  // Each column holds its whole header and the widest number its format
  // gives within the diagram's ranges (per mole: enthalpy, entropy and heat
  // capacity up to the largest molar mass, 88 g/mol, times more).
  static const int widths[kCols] = {44, 72, 64, 76, 80, 84, 106, 110, 60, 40, 40};
  static const char* const widest[2][kCols] = {
      {"99999", "  n-H2", "1000.00", " 100.000", "9999.999", "-99999.99", "-999.999", "1000000.000", "100.00", "", ""},
      {"99999", "  n-H2", "1000.00", " 100.000", "9999.999", "-9999999.99", "-99999.999", "100000000.000", "100.00",
       "", ""}};
  const app::Units u = session_.main.units;
  const QFontMetrics fm(TS_tab->font());
  for (int c = 0; c < kCols; ++c) {
    const QString header = QString::fromStdString(diagram::PointHeaders(u)[c]);
    // The model's column: its longer name in the user's language.
    const QString number = c == 9 ? QStringLiteral("  ") + QString::fromStdString(app::modelShort(tfs::ModelKind::Reference))
                                  : QString::fromLatin1(widest[int(u)][c]);
    const int need = std::max(fm.horizontalAdvance(header), fm.horizontalAdvance(number)) + 12;
    TS_tab->setColumnWidth(c, std::max(widths[c], need));
    TS_tab->setItem(0, c, new QTableWidgetItem(header));
    TS_tab->setHorizontalHeaderItem(c, new QTableWidgetItem(header));
    fixCell(c, 0);
  }
}

void TTS_points::rebuild() {
  TS_tab->clearContents();
  TS_tab->setRowCount(kRows);
  FormCreate();
}

// The first row and the first column look like the grid's fixed cells.
void TTS_points::fixCell(int col, int row) {
  QTableWidgetItem* it = TS_tab->item(row, col);
  if (!it) {
    it = new QTableWidgetItem;
    TS_tab->setItem(row, col, it);
  }
  it->setBackground(kFixed);
  it->setFlags(Qt::ItemIsEnabled);
}

void TTS_points::showPoint(int r) {
  if (r < 1 || r > int(session_.points.size())) return;
  if (r >= TS_tab->rowCount()) {
    const int from = TS_tab->rowCount();
    TS_tab->setRowCount(r + 1);
    for (int k = from; k <= r; ++k) fixCell(0, k);
  }
  const app::PointRow& row = session_.points[r - 1];
  showHeading();
  const diagram::PointCells cells = diagram::pointRowTexts(row, r, session_.main.units);
  const diagram::PointCells numbers = diagram::pointRowTexts(row, r, session_.main.units, true);
  for (int c = 0; c < kCols; ++c) {
    QTableWidgetItem* it = TS_tab->item(r, c);
    if (!it) {
      it = new QTableWidgetItem;
      TS_tab->setItem(r, c, it);
    }
    it->setText(QString::fromStdString(cells[c]));
    // "∞" on the screen, the number it stands for in what is copied or saved.
    it->setData(app::kExportRole, cells[c] == numbers[c] ? QVariant() : QVariant(QString::fromStdString(numbers[c])));
  }
  TS_tab->scrollToItem(TS_tab->item(r, 0));
}

QString TTS_points::heading() const { return Label1->text(); }

void TTS_points::showHeading() {
  std::vector<tfs::ModelKind> models;
  for (const app::PointRow& p : session_.points) models.push_back(p.model);
  Label1->setText(QCoreApplication::translate("TTS_points", "Параметры точек, снятых с TS диаграммы") +
                  QStringLiteral("  ") + QString::fromStdString(app::modelsNote(models, session_.main.model)));
}

QString TTS_points::cell(int col, int row) const {
  const QTableWidgetItem* it = TS_tab->item(row, col);
  return it ? it->text() : QString();
}

int TTS_points::rowCount() const { return TS_tab->rowCount(); }

void TTS_points::BitBtn1Click() { close(); }

void TTS_points::showAside() {
  if (!isVisible()) {
    if (QScreen* sc = screen() ? screen() : QGuiApplication::primaryScreen()) {
      const QRect av = sc->availableGeometry();
      // The frame adds a little around the window: keep it inside too.
      const QSize frame = frameGeometry().size().expandedTo(size() + QSize(2, 24));
      move(av.right() + 1 - frame.width(), av.bottom() + 1 - frame.height());
    }
  }
  show();
  raise();
}
