#pragma once

#include <QList>
#include <QWidget>

// A page of the main window: it owns its controls, shows the configuration and tells the window
// through signals what the window must do (device jobs, going to another page).
class WindowPage : public QWidget
{
public:
    using QWidget::QWidget;
    ~WindowPage() override;

    // Shows the configuration as it now is.
    virtual void refresh() = 0;
    // Tells the live output what the page shows, so that in live mode the controller shows it.
    virtual void showOnController() { }
    // The page's controls in the order Tab visits them.
    virtual QList<QWidget *> tabOrder() const = 0;

protected:
    // Tearing the controls down moves the focus, and a box losing it would call a slot of this
    // half-destroyed page: a page whose destructor frees controls calls this first.
    void disconnectControls();
};
