// SPDX-License-Identifier: GPL-3.0-or-later
// The window's header where it has always been: the window itself is in qt/window/.
#pragma once

#include "qt/window/frmTrianguloEsf.h"
