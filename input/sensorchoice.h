// SPDX-License-Identifier: GPL-3.0-or-later
#ifndef SENSORCHOICE_H
#define SENSORCHOICE_H

#include "iiodevice.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

// Which of the sensor backends that the toolkit offers the tilt input reads, and why.
//
// Only a sensor that measures the device counts. Where the only rotation the toolkit offers is
// simulated (its dummy backends, or its generic rotation computed from the dummy accelerometer,
// which reports a steady tilt on every machine without sensors), there is no choice.
class SensorChoice
{
    Q_DECLARE_TR_FUNCTIONS(SensorChoice)

public:
    // How long the report waits for a reading of the kernel's accelerometer.
    static constexpr int READ_PATIENCE_SECONDS = 10;

    // Offers the kernel's accelerometer (IioAccelerometer::offer), then chooses among what the
    // toolkit offers. Changes nothing else: no default backend, no sensor started.
    SensorChoice();

    // The rotation backend to read, or empty when none measures the device.
    QByteArray rotation() const { return chosenRotation; }

    // Makes the choice the toolkit's: when the rotation is computed from an accelerometer, the
    // chosen accelerometer becomes the default one that it is computed from.
    void apply() const;

    // A report for the player, one line each: the rotation and accelerometer backends the toolkit
    // offers, which one the input reads and why each other one is passed over, and which of the
    // kernel's accelerometers was found, with one reading of it: how long it took, or that the
    // device is busy, or gave no answer within READ_PATIENCE_SECONDS.
    QStringList report() const;

private:
    // One backend the toolkit offers, and what the choice makes of it.
    struct Verdict
    {
        QByteArray id;
        QString reason;
    };

    static QString readingReport(const IioDevice &device);

    QByteArray chosenRotation; // empty when no rotation backend measures anything
    QByteArray chosenAccelerometer; // the first real accelerometer, or empty
    QList<Verdict> rotations;
    QList<Verdict> accelerometers;
    IioDevice iio; // the kernel's accelerometer that was offered, or an invalid one
};

#endif // SENSORCHOICE_H
