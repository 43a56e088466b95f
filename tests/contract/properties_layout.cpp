#include "properties_layout.h"

const char* const propertyLabels[8] = {
    "Address",
    "VLAN ID",
    "Media Type",
    "Pause Control",
    "Packet Size (maximum)",
    "Receive Buffers",
    "IEEE Compliant Link",
    "Priority Queues",
};
