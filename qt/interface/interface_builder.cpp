#include "qt/interface/interface_builder.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QVBoxLayout>

#include "app/outlets.h"
#include "qt/binding/binder.h"
#include "qt/main_window.h"
#include "qt/widgets/fitted_columns.h"
#include "qt/widgets/flipped_container.h"
#include "qt/widgets/image_button.h"

namespace korvida::qt {

namespace {

constexpr int kRowHeight = 20;

} // namespace

std::unique_ptr<MainInterface> InterfaceBuilder::build()
{
    auto ui = std::make_unique<MainInterface>();
    buildMainWindow(*ui);
    buildPreferences(*ui);
    buildImportSheet(*ui);
    buildFullScreen(*ui);
    checkEveryOutletBound();
    return ui;
}

void InterfaceBuilder::checkEveryOutletBound() const
{
    forEachOutlet(app, [this]([[maybe_unused]] const char* name, const Control& control) {
        Q_ASSERT_X(binder.widgetOf(control) != nullptr, name, "an outlet without a widget");
    });
}

QString InterfaceBuilder::outlet(const Control& control) const
{
    const std::string_view name = outletName(app, control);
    Q_ASSERT_X(!name.empty(), "InterfaceBuilder", "a widget for a control that is not in the outlet table");
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QAbstractButton* InterfaceBuilder::button(Button& model, FlippedContainer* container)
{
    QAbstractButton* widget = nullptr;
    if (model.kind() == ButtonKind::CheckBox)
        widget = new QCheckBox;
    else if (model.title().empty())
        widget = new ImageButton;
    else
        widget = new QPushButton;
    named(widget, model);
    if (container != nullptr)
        widget->setParent(container);
    binder.bindButton(model, widget, container);
    return widget;
}

QWidget* InterfaceBuilder::field(TextField& model, FlippedContainer* container)
{
    QWidget* widget = model.isEditable() ? static_cast<QWidget*>(new QLineEdit) : new QLabel;
    named(widget, model);
    if (container != nullptr)
        widget->setParent(container);
    binder.bindTextField(model, widget, container);
    return widget;
}

namespace {

// A click on a slider's groove moves the knob to the point clicked, as a time slider's seek
// needs, rather than a page at a time.
class ClickToPointStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* answer) const override
    {
        if (hint == SH_Slider_AbsoluteSetButtons)
            return Qt::LeftButton;
        return QProxyStyle::styleHint(hint, option, widget, answer);
    }
};

} // namespace

QSlider* InterfaceBuilder::slider(Slider& model, FlippedContainer* container)
{
    auto* widget = named(new QSlider(Qt::Horizontal), model);
    auto* style = new ClickToPointStyle;
    style->setParent(widget);
    widget->setStyle(style);
    if (container != nullptr)
        widget->setParent(container);
    binder.bindSlider(model, widget, container);
    return widget;
}

QTableView* InterfaceBuilder::tableWidget(const TableView& model)
{
    auto* table = named(new QTableView, model);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(kRowHeight);
    table->horizontalHeader()->setHighlightSections(false);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setShowGrid(false);
    table->setAlternatingRowColors(true);
    table->setWordWrap(false);
    table->setTextElideMode(Qt::ElideRight);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return table;
}

QTableView* InterfaceBuilder::table(TableView& model)
{
    QTableView* widget = tableWidget(model);
    binder.bindTableView(model, widget, nullptr);
    return widget;
}

QWidget* InterfaceBuilder::plainWindow(Window& model, MainInterface& ui)
{
    auto* window = named(new QWidget(nullptr, Qt::Window), model);
    auto* host = new QVBoxLayout(window);
    host->setContentsMargins(0, 0, 0, 0);
    binder.bindWindow(model, window, window, window);
    ui.otherWindows.append(window);
    return window;
}

QWidget* InterfaceBuilder::panelContentWidget(Panel& panel)
{
    auto* content = new QWidget;
    content->setObjectName(outlet(panel) + QStringLiteral("Content"));
    content->setProperty("fullScreenPanel", true);
    binder.registerContent(*panel.contentView(), content);
    return content;
}

void sizeMediaColumns(QTableView* table)
{
    QHeaderView* header = table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->resizeSection(0, 26);
    // The name column, after the tick box, takes what the others leave.
    new FittedColumns(table, 1);
}

MainInterface::~MainInterface()
{
    qDeleteAll(otherWindows);
    delete mainWindow;
}

std::unique_ptr<MainInterface> buildMainInterface(MainApp& app, Binder& binder)
{
    return InterfaceBuilder(app, binder).build();
}

} // namespace korvida::qt
