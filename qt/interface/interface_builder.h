#pragma once

#include <QString>

#include "qt/interface/main_interface.h"

class QAbstractButton;
class QLayout;
class QSlider;
class QTableView;
class QWidget;

namespace korvida::qt {

// Makes the widgets of the controller's interface, one area of the windows at a time (each
// area in its own file), names each after its outlet and binds it to its control.
class InterfaceBuilder {
public:
    InterfaceBuilder(MainApp& app, Binder& binder) : app(app), binder(binder) {}

    std::unique_ptr<MainInterface> build();

private:
    // Every control of the outlet table has its widget (checked in debug builds).
    void checkEveryOutletBound() const;

    // The main window (main_window_area.cpp).
    void buildMainWindow(MainInterface& ui);
    void buildMediaArea(FlippedContainer* area);
    void buildBrowser(MainInterface& ui);
    QLayout* browserHeader();
    QLayout* browserFilters();
    QWidget* browserTables();
    QLayout* browserTagging();
    QLayout* browserCopying();

    // The sheets (sheets_area.cpp).
    void buildPreferences(MainInterface& ui);
    void buildImportSheet(MainInterface& ui);
    FlippedContainer* sheet(Panel& panel, MainInterface& ui, Button& dismiss);
    QAbstractButton* radio(Button& model, FlippedContainer* container);

    // Full screen (full_screen_area.cpp).
    void buildFullScreen(MainInterface& ui);
    void buildPresentation(MainInterface& ui);
    void buildTransportPanel(MainInterface& ui);
    void buildTablePanels(MainInterface& ui);

    // Widgets of each kind, named and bound (interface_builder.cpp). A widget given a
    // container is placed there by its control's frame; one given none goes into a layout.
    QString outlet(const Control& control) const;
    template <typename W>
    W* named(W* widget, const Control& control) const
    {
        widget->setObjectName(outlet(control));
        return widget;
    }
    QAbstractButton* button(Button& model, FlippedContainer* container);
    QWidget* field(TextField& model, FlippedContainer* container);
    QSlider* slider(Slider& model, FlippedContainer* container);
    QTableView* tableWidget(const TableView& model);
    QTableView* table(TableView& model);
    // A window of the program that is a top-level widget of its own, with a host that takes
    // whatever content it shows.
    QWidget* plainWindow(Window& model, MainInterface& ui);
    // A panel whose content moves into a full-screen window when shown: its content widget
    // with a layout of kind `L`.
    template <typename L>
    L* panelContent(Panel& panel, MainInterface& ui)
    {
        auto* content = panelContentWidget(panel);
        auto* layout = new L(content);
        plainWindow(panel, ui);
        return layout;
    }
    QWidget* panelContentWidget(Panel& panel);

    MainApp& app;
    Binder& binder;
};

// Media tables: a narrow tick column, a wide name.
void sizeMediaColumns(QTableView* table);

} // namespace korvida::qt
