#pragma once

#include "controller/kelvo_controller_class.h"
#include "simulator/simulatedbus.h"
#include "support/scriptedprompts.h"
#include "support/virtualclock.h"

// The controller alone on a simulated bus with one controller (S/N KLV00000042, firmware
// 1.05a), virtual time and scripted prompts: the jobs as a program without windows runs them.
struct ControllerRig
{
    VirtualClock clock;
    ScriptedPrompts script;
    SimulatedBus bus;
    kelvo_controller_class kelvo;
    SimulatedController *device = nullptr;

    ControllerRig()
    {
        kelvo.setUsbBackend(&bus);
        device = &bus.addController(QStringLiteral("KLV00000042"));
        device->version = {1, 5, 'a'};
    }
    bool connect() { return kelvo.connectController().ok(); }
    TransactionLog &log() { return kelvo.usbDevice.transactionLog(); }
};
