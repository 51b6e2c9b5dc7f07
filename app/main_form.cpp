#include "main_form.h"

#include "ui_main_form.h"

#include "busy_cursor.h"
#include "calculate.h"
#include "decimal_separator.h"
#include "grid_cells.h"
#include "key_filter.h"
#include "label_caption.h"
#include "window_placement.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>

namespace {

// Where the window opens: its outer frame, in device-independent pixels.
constexpr QPoint windowPosition{155, 362};

// Designer stores fonts in points; the layout's font is 13 pixels high.
QFont formFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    return font;
}

char systemDecimalSeparator()
{
    return decimalSeparatorFrom(QLocale::system().decimalPoint().toStdString());
}

} // namespace

TMainForm::TMainForm(QWidget* parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::TMainForm>())
{
    ui->setupUi(this);
    setFont(formFont());
    fillFixedTexts();
    // Static texts and the label size themselves to their text.
    ui->StaticText1->adjustSize();
    ui->StaticText2->adjustSize();
    ui->Label1->adjustSize();
    // Column widths are the one part of the grids' layout Designer cannot store.
    ui->StringGrid1->setColumnWidth(0, 59);
    ui->StringGrid1->setColumnWidth(1, 90);
    ui->StringGrid2->setColumnWidth(0, 61);
    ui->StringGrid2->setColumnWidth(1, 80);

    // Queued, so that an error unwinds through the event dispatch alone and not
    // through the button's mouse handling, which Qt builds without cleanup
    // for exceptions.
    connect(ui->Button1, &QPushButton::clicked, this, &TMainForm::Button1Click, Qt::QueuedConnection);
    connect(ui->StringGrid1, &StringGrid::keyPress, this, &TMainForm::StringGrid1KeyPress);
    connect(ui->StringGrid2, &StringGrid::keyPress, this, &TMainForm::StringGrid2KeyPress);
    connect(ui->Chart, &QWidget::customContextMenuRequested, this, &TMainForm::ChartContextPopup);
    connect(ui->N1, &QAction::triggered, this, &TMainForm::N1Click);

    setDecimalSeparator(systemDecimalSeparator());
    ui->StringGrid1->setFocus();
    placeWindow(*this, QRect(windowPosition, size()));
}

TMainForm::~TMainForm() = default;

void TMainForm::fillFixedTexts()
{
    const QStringList header{QStringLiteral("Имя"), QStringLiteral("Значение")};
    QStringList coefficientNames;
    for (int row = 1; row <= 4; ++row)
        coefficientNames << QStringLiteral("a%1").arg(row - 1);
    for (int row = 5; row <= 8; ++row)
        coefficientNames << QStringLiteral("b%1").arg(row - 5);
    ui->StringGrid1->setFixedTexts(header, coefficientNames);
    ui->StringGrid2->setFixedTexts(header, {QStringLiteral("Шаг"), QStringLiteral("Время")});
}

void TMainForm::setDecimalSeparator(char separator)
{
    separator_ = separator;
    ui->Chart->setDecimalSeparator(separator);
}

void TMainForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LocaleChange)
        setDecimalSeparator(systemDecimalSeparator());
    QWidget::changeEvent(event);
}

void TMainForm::Button1Click()
{
    const BusyCursor busy;
    GridCells cells(*ui->StringGrid1, *ui->StringGrid2);
    LabelCaption label(*ui->Label1);
    calculate(cells, *ui->Chart, label, separator_);
}

void TMainForm::StringGrid1KeyPress(char32_t& key)
{
    key = filterKey(key, static_cast<unsigned char>(separator_));
}

void TMainForm::StringGrid2KeyPress(char32_t& key)
{
    key = filterKey(key, static_cast<unsigned char>(separator_));
}

void TMainForm::ChartContextPopup(const QPoint& mousePos)
{
    ui->PopupMenu->popup(ui->Chart->mapToGlobal(mousePos));
}

void TMainForm::N1Click()
{
    QGuiApplication::clipboard()->setImage(ui->Chart->renderToImage());
}
