#pragma once

// What a node hands directly to the node behind one of its outputs.
struct DataTransBase {
    virtual ~DataTransBase() = default;
};

template <class T>
struct DataTrans : DataTransBase {
    T value{};
};

// The carried value when `carrier` really carries a T; false for null or another type, so a
// receiver wired to a sender of the wrong kind simply receives nothing.
template <class T>
bool ReceiveValue(const DataTransBase* carrier, T& out) {
    auto* typed = dynamic_cast<const DataTrans<T>*>(carrier);
    if (!typed) return false;
    out = typed->value;
    return true;
}
