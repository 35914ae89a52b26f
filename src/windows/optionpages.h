#pragma once

#include "config/options.h"
#include "ui/tabcontrol.h"

#include <QHash>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QTimer;

namespace velmora {

namespace optiontable {
struct Cell;
struct Step;
} // namespace optiontable

namespace ui {
class DigitKeyFilter;
class Slider;
class TwipScale;
} // namespace ui

/// The six option pages of the main window under their tab headers (`SSTab1`). It owns every
/// control the generator reads and gives their values as one OptionSnapshot. The pages are laid
/// out from the table in optiontable.cpp.
class OptionPages : public ui::TabControl
{
    Q_OBJECT

public:
    explicit OptionPages(QWidget *parent = nullptr);

    /// The options as the controls hold them now, as one run of the generator reads them.
    OptionSnapshot snapshot() const;
    /// Sets every control to the options, as a config read back gives them.
    void setSnapshot(const OptionSnapshot &options);

    /// The most characters the fields with a short value take.
    void setInputLimits();

    QComboBox *connectionType() const { return m_combo; }
    QLineEdit *text(int number) const { return m_texts[number - 1]; }
    ui::Slider *slider(int number) const { return m_sliders[number - 1]; }
    /// Check<number> (1..43), `pod` at kPodBox.
    QCheckBox *check(int number) const { return m_checks[number - 1]; }
    QCheckBox *pod() const { return check(kPodBox); }

private:
    void buildFromTable();
    QWidget *createControl(QWidget *parent, const optiontable::Cell &cell);
    QComboBox *createCombo(QWidget *parent);
    QGroupBox *createFrame(const ui::TwipScale &tw, const optiontable::Step &step, QWidget *parent);
    void placeRow(const ui::TwipScale &tw, const optiontable::Step &step, QWidget *parent);
    void placeColumn(const ui::TwipScale &tw, const optiontable::Step &step, QWidget *parent);
    void placeSlider(const ui::TwipScale &tw, const optiontable::Step &step, QWidget *parent);
    void updateBotExtras();

    QHash<QString, QWidget *> m_containers;
    QComboBox *m_combo = nullptr;
    QLineEdit *m_texts[kTextCount] = {};
    ui::Slider *m_sliders[kSliderCount] = {};
    QCheckBox *m_checks[kBoxCount] = {}; ///< Check1..Check43, then `pod`
    QGroupBox *m_botExtras = nullptr;
    QTimer *m_timer = nullptr;
    ui::DigitKeyFilter *m_digitFilter = nullptr;
};

/// A caption in the red of the mark that flags fields that must be filled.
QLabel *createRedLabel(QWidget *parent, const char *objectName, const QString &text);

} // namespace velmora
