#pragma once
#include <cstdint>

// The capability record of one interface, laid out as the system's HID capability structure.
struct THIDPCaps {
    uint16_t Usage = 0;
    uint16_t UsagePage = 0;
    uint16_t InputReportByteLength = 0;
    uint16_t OutputReportByteLength = 0;
    uint16_t FeatureReportByteLength = 0;
    uint16_t Reserved[17] = {};
    uint16_t NumberLinkCollectionNodes = 0;
    uint16_t NumberInputButtonCaps = 0;
    uint16_t NumberInputValueCaps = 0;
    uint16_t NumberInputDataIndices = 0;
    uint16_t NumberOutputButtonCaps = 0;
    uint16_t NumberOutputValueCaps = 0;
    uint16_t NumberOutputDataIndices = 0;
    uint16_t NumberFeatureButtonCaps = 0;
    uint16_t NumberFeatureValueCaps = 0;
    uint16_t NumberFeatureDataIndices = 0;
};
static_assert(sizeof(THIDPCaps) == 64);
