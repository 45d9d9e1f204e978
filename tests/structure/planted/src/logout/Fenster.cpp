#include "contest/ContestModel.h"
#include "contest/OffenerContest.h"
