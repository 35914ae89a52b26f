#include "windows/crosshairdialog.h"

#include "ui/fonts.h"
#include "windows/crosshairpreview.h"
#include "windows/index_rus.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTextCursor>
#include <QVBoxLayout>

namespace velmora {

namespace {

// The resolutions players set the game to, from its own 640 × 480 to 4K.
constexpr QSize kResolutions[] = {
    {640, 480},   {800, 600},   {1024, 768},  {1280, 720},  {1280, 960},  {1280, 1024},
    {1366, 768},  {1440, 900},  {1600, 900},  {1680, 1050}, {1920, 1080}, {1920, 1200},
    {2560, 1080}, {2560, 1440}, {3440, 1440}, {3840, 2160},
};

/// The resolution the dialog opens at: the screen's, where the game usually runs full screen.
QSize startResolution(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    return screen ? screen->size() * screen->devicePixelRatio() : QSize(1920, 1080);
}

template<typename T>
T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1StringView(name));
    return widget;
}

} // namespace

CrosshairDialog::CrosshairDialog(const CrosshairSettings &settings, bool misread, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("crosshair"));
    setWindowTitle(tr("Прицел"));
    setFont(ui::arialFont(8.25));
    build();

    m_size->setCurrentIndex(int(settings.size));
    m_translucent->setChecked(settings.translucent);
    m_dynamic->setChecked(settings.dynamic);
    setColour(settings.colour);
    m_misread->setVisible(misread);

    const QSize screen = startResolution(this);
    for (const QSize size : kResolutions)
        m_resolution->addItem(QStringLiteral("%1 × %2").arg(size.width()).arg(size.height()), size);
    int at = m_resolution->findData(screen);
    if (at < 0) {
        m_resolution->addItem(QStringLiteral("%1 × %2").arg(screen.width()).arg(screen.height()),
                              screen);
        at = m_resolution->count() - 1;
    }
    m_resolution->setCurrentIndex(at);
    refresh();
    showStance();
}

void CrosshairDialog::build()
{
    auto *settingsBox = named(new QGroupBox(tr("Настройки прицела"), this), "Frame1");
    auto *form = new QFormLayout(settingsBox);

    m_preset = named(new QComboBox(settingsBox), "Combo1");
    for (const CrosshairPreset &preset : crosshairPresets())
        m_preset->addItem(tr(preset.caption));
    m_preset->addItem(tr("Свой"));
    form->addRow(named(new QLabel(tr("Цвет:"), settingsBox), "Label1"), m_preset);

    auto *parts = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        static const char *const kNames[] = {"Spin1", "Spin2", "Spin3"};
        m_parts[i] = named(new QSpinBox(settingsBox), kNames[i]);
        m_parts[i]->setRange(0, 255);
        parts->addWidget(m_parts[i]);
    }
    auto *pick = named(new QPushButton(tr("Выбрать..."), settingsBox), "Command1");
    parts->addWidget(pick);
    form->addRow(named(new QLabel(tr("Красный, зелёный, синий:"), settingsBox), "Label2"), parts);

    m_size = named(new QComboBox(settingsBox), "Combo2");
    m_size->addItems({tr("Авто"), tr("Маленький"), tr("Средний"), tr("Большой")});
    form->addRow(named(new QLabel(tr("Размер:"), settingsBox), "Label3"), m_size);

    m_translucent = named(
        new QCheckBox(tr("Полупрозрачный (цвет прибавляется к картинке)"), settingsBox), "Check1");
    m_dynamic = named(
        new QCheckBox(tr("Динамический (расходится, когда игрок бежит или прыгает)"), settingsBox),
        "Check2");
    form->addRow(m_translucent);
    form->addRow(m_dynamic);

    m_resolution = named(new QComboBox(settingsBox), "Combo3");
    form->addRow(named(new QLabel(tr("Разрешение в игре:"), settingsBox), "Label4"), m_resolution);

    auto *previewBox = named(new QGroupBox(tr("Так прицел выглядит в игре"), this), "Frame2");
    auto *previews = new QVBoxLayout(previewBox);
    m_still = named(new CrosshairPreview(false, previewBox), "Picture1");
    m_moving = named(new CrosshairPreview(true, previewBox), "Picture2");
    m_stance = named(new QLabel(previewBox), "Label6");
    previews->addWidget(
        named(new QLabel(tr("Стоя, оружие в покое (AK-47):"), previewBox), "Label5"));
    previews->addWidget(m_still);
    previews->addWidget(m_stance);
    previews->addWidget(m_moving);
    auto *scale =
        named(new QLabel(tr("Один пиксель игры здесь равен одному пикселю экрана."), previewBox),
              "Label7");
    scale->setWordWrap(true);
    previews->addWidget(scale);

    m_misread = named(new QLabel(tr("Некоторые значения прицела в конфиге игра читает не так, как "
                                    "они записаны; здесь показано, что она из них делает."),
                                 this),
                      "Label8");
    m_misread->setWordWrap(true);
    m_misread->setStyleSheet(QStringLiteral("color: #c00000"));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok = named(buttons->addButton(tr("ОК"), QDialogButtonBox::AcceptRole), "Command2");
    named(buttons->addButton(tr("Отмена"), QDialogButtonBox::RejectRole), "Command3");
    ok->setDefault(true);

    auto *grid = new QGridLayout(this);
    grid->addWidget(settingsBox, 0, 0);
    grid->addWidget(previewBox, 0, 1, 3, 1);
    grid->addWidget(m_misread, 1, 0);
    grid->setRowStretch(2, 1);
    grid->addWidget(buttons, 3, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_preset, &QComboBox::activated, this, [this](int index) {
        if (index < int(crosshairPresets().size()))
            setColour(crosshairPresets()[index].colour);
    });
    for (QSpinBox *part : m_parts)
        connect(part, &QSpinBox::valueChanged, this, &CrosshairDialog::refresh);
    connect(pick, &QPushButton::clicked, this, &CrosshairDialog::pickColour);
    for (QComboBox *combo : {m_size, m_resolution})
        connect(combo, &QComboBox::currentIndexChanged, this, &CrosshairDialog::refresh);
    for (QCheckBox *box : {m_translucent, m_dynamic})
        connect(box, &QCheckBox::toggled, this, &CrosshairDialog::refresh);
    connect(m_moving, &CrosshairPreview::stanceChanged, this, &CrosshairDialog::showStance);
}

CrosshairSettings CrosshairDialog::settings() const
{
    CrosshairSettings s;
    s.colour = {m_parts[0]->value(), m_parts[1]->value(), m_parts[2]->value()};
    s.size = CrosshairSize(m_size->currentIndex());
    s.translucent = m_translucent->isChecked();
    s.dynamic = m_dynamic->isChecked();
    return s;
}

QSize CrosshairDialog::resolution() const
{
    return m_resolution->currentData().toSize();
}

void CrosshairDialog::setColour(CrosshairColour colour)
{
    const int values[] = {colour.red, colour.green, colour.blue};
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker quiet(m_parts[i]);
        m_parts[i]->setValue(values[i]);
    }
    refresh();
}

void CrosshairDialog::pickColour()
{
    const CrosshairColour c = settings().colour;
    const QColor picked = QColorDialog::getColor(QColor(c.red, c.green, c.blue), this, tr("Цвет"));
    if (picked.isValid())
        setColour({picked.red(), picked.green(), picked.blue()});
}

void CrosshairDialog::refresh()
{
    const CrosshairSettings s = settings();
    // The preset list follows the numbers: a preset's colour shows its name, any other "Свой".
    const auto presets = crosshairPresets();
    const auto match = std::find_if(presets.begin(), presets.end(),
                                    [&](const CrosshairPreset &p) { return p.colour == s.colour; });
    m_preset->setCurrentIndex(int(match - presets.begin()));
    for (CrosshairPreview *preview : {m_still, m_moving}) {
        preview->setSettings(s);
        preview->setResolution(resolution());
    }
}

void CrosshairDialog::showStance()
{
    static const char *const kStances[] = {
        QT_TR_NOOP("В движении (AK-47): стоит"),
        QT_TR_NOOP("В движении (AK-47): бежит"),
        QT_TR_NOOP("В движении (AK-47): прыгает"),
        QT_TR_NOOP("В движении (AK-47): стреляет"),
    };
    m_stance->setText(tr(kStances[int(m_moving->stance())]));
}

void editCrosshair(IndexRus *window)
{
    const QString text = window->configText();
    const CrosshairReading reading = readCrosshair(text);
    CrosshairDialog dialog(reading.settings, !reading.problems.isEmpty(), window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // One edit: Ctrl+Z brings the box back as it was.
    QTextCursor cursor(window->configBox()->document());
    cursor.beginEditBlock();
    cursor.select(QTextCursor::Document);
    cursor.insertText(replaceCrosshairLines(text, dialog.settings()));
    cursor.endEditBlock();
}

} // namespace velmora
