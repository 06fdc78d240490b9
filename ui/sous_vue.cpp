#include "ui/sous_vue.h"
