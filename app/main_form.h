#pragma once

#include <QWidget>
#include <memory>

namespace Ui {
class TMainForm;
}

// The program's one window, built from main_form.ui: the chart on the left;
// the coefficient grid, the parameter grid, the settling-time label and the
// calculate button on the right; the chart's context menu with its copy
// command.
class TMainForm : public QWidget {
    Q_OBJECT

public:
    explicit TMainForm(QWidget* parent = nullptr);
    ~TMainForm() override;

    // The separator the grids' key filter types and the numbers are read
    // and shown with. The system's at start-up and after a locale change.
    char decimalSeparator() const { return separator_; }
    void setDecimalSeparator(char separator);

protected:
    void changeEvent(QEvent* event) override;

private:
    void fillFixedTexts();

    void Button1Click();
    void StringGrid1KeyPress(char32_t& key);
    void StringGrid2KeyPress(char32_t& key);
    void ChartContextPopup(const QPoint& mousePos);
    void N1Click();

    std::unique_ptr<Ui::TMainForm> ui;
    char separator_ = '.';
};
