// SPDX-License-Identifier: GPL-3.0-or-later
#include "input.h"

Input::Input(QObject *parent) : QObject(parent) { }
