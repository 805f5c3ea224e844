#include "inputspage.h"

#include "common/connectlog.h"
#include "controller/kelvo_controller_class.h"
#include "editors/funcsetter.h"
#include "model/configlayout.h"
#include "ui_inputspage.h"

using namespace ConfigLayout;

InputsPage::InputsPage(kelvo_controller_class &kelvo, QWidget *parent)
    : WindowPage(parent)
    , ui(std::make_unique<Ui::MainWindowInputsPage>())
{
    ui->setupUi(this);
    u8 *image = kelvo.configImage();
    ConfigDocument *document = &kelvo.document();
    inputTable = new funcSetter(InputCount, image + InputFunc, true, this, document);
    inputTable->setObjectName(QStringLiteral("inputTable"));
    inputTable->setGeometry(10, 20, 821, 267);
    powerOnTable = new funcSetter(1, image + PowerOnFunc, false, this, document);
    powerOnTable->setObjectName(QStringLiteral("powerOnTable"));
    powerOnTable->setGeometry(10, 420, 821, 33);
    logConnection(
        connect(ui->btnKeyFromDev, &QPushButton::clicked, this, &InputsPage::learnRequested));
}

InputsPage::~InputsPage() = default;

void InputsPage::refresh()
{
    inputTable->refresh();
    powerOnTable->refresh();
}

QList<QWidget *> InputsPage::tabOrder() const
{
    return {inputTable, ui->btnKeyFromDev, powerOnTable};
}

void InputsPage::showLearned(int input)
{
    inputTable->selRow(input);
}
