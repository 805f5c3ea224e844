#pragma once

#include "common/types.h"
#include "model/configedit.h"

#include <QTableView>

#include <functional>

class ConfigDocument;
class LiveOutput;
class program_conf_delegate;
class QStandardItemModel;

// The steps of one program: their rise, last and fall times edited in place, the running program
// time, inserting and deleting steps, the step count and how the program ends. Everything is read
// from the controller's image and written through its document.
class program_conf_widget : public QTableView
{
    Q_OBJECT

public:
    enum Column { StepColumn, RiseColumn, LastColumn, FallColumn, TotalColumn, ColumnCount };

    program_conf_widget(ConfigDocument &document, LiveOutput &live, QWidget *parent = nullptr);
    ~program_conf_widget() override;

    void setStepCount(int n);
    void setRunMode(int mode);
    // How the shown program ends, as the loop and run-on boxes set it.
    void setLoop(bool on);
    void setContinued(bool on);

    int programIndex() const { return program; }
    int runMode() const { return mode; }
    int stepCount() const;
    // The image page of the program shown.
    int page() const { return program + 1; }
    const u8 *image() const;
    // Changes the image as one edit of this program (step -1: of the program as a whole).
    void edit(ConfigEdit::Kind kind, int step, const std::function<void(u8 *image)> &change);

    // A step time as the cells show it: "hh:mm:ss.z".
    static QString timeText(u16 units);
    // The running program time in tenths: "hh:mm:ss.z", with "d+" in front from one day on.
    static QString totalText(qint64 tenths);

signals:
    void goToEdit(int program, int step);
    void pgmMode2Gui(int mode);
    void setLen(int steps);

public slots:
    void setProgramNumber(int v);
    void refresh(QWidget *editor);
    void refresh();
    void reRead();
    void indexChanged(const QModelIndex &current, const QModelIndex &previous);
    void insertStep();
    void deleteStep();
    void toEdit();
    void stopEditing(QWidget *editor);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void setCell(int row, int column, const QString &text);
    int currentRow() const;

    ConfigDocument &document;
    LiveOutput &live;
    QStandardItemModel *steps;
    program_conf_delegate *delegate;
    int program = 0;
    int mode = 0;
};
