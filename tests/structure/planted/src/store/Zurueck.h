#pragma once
#include "common/Ok.h"
#include "contest/ContestModel.h"
