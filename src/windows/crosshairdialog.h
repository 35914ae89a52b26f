#pragma once

#include "console/crosshair.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace velmora {

class CrosshairPreview;
class IndexRus;

/// "Прицел": the four crosshair settings with a preview that draws the crosshair as the game's
/// client does at the resolution the player picks, still and in motion. The dialog only edits
/// settings; what becomes of them is its caller's business.
class CrosshairDialog : public QDialog
{
    Q_OBJECT

public:
    /// `misread`: the settings came from lines whose values the game takes otherwise than
    /// written; the dialog says that it shows what the game makes of them.
    explicit CrosshairDialog(const CrosshairSettings &settings, bool misread = false,
                             QWidget *parent = nullptr);

    CrosshairSettings settings() const;
    /// The screen size the preview draws for.
    QSize resolution() const;

private:
    void build();
    void setColour(CrosshairColour colour);
    void pickColour();
    void refresh();
    void showStance();

    QComboBox *m_preset = nullptr;
    QSpinBox *m_parts[3] = {};
    QComboBox *m_size = nullptr;
    QCheckBox *m_translucent = nullptr;
    QCheckBox *m_dynamic = nullptr;
    QComboBox *m_resolution = nullptr;
    QLabel *m_stance = nullptr;
    QLabel *m_misread = nullptr;
    CrosshairPreview *m_still = nullptr;
    CrosshairPreview *m_moving = nullptr;
};

/// "Прицел...": opens the dialog on the crosshair lines of the window's config box; OK puts the
/// four lines into the box in place of the earlier ones, as one edit; Cancel leaves the box as
/// it was.
void editCrosshair(IndexRus *window);

} // namespace velmora
