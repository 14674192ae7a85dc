// The learned race network as a text file of its weights.
#pragma once

#include "strategy/learned_race.h"

bool read_race_network(const char* path, race_network& net);
// The network a tool's --network names: the file's, or for "none" none.
bool network_option(const char* value, race_network& net, const race_network*& chosen);
bool write_race_network(const char* path, const race_network& net);
