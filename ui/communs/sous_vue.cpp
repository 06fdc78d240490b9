// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/communs/sous_vue.h"
