#include "resources/BrixByteReader.hpp"

namespace tarvex {

bool BrixByteReader::_fill() {
    if (_exhausted) {
        return false;
    }
    _position = 0;
    _length = _stream.read(_buffer.data(), _buffer.size());
    if (_length > _buffer.size()) {
        _length = 0; // a misbehaving stream must not make us read past the buffer
    }
    if (_length == 0) {
        _exhausted = true;
        return false;
    }
    return true;
}

int BrixByteReader::get() {
    if (_pushedBack != END) {
        const int byte = _pushedBack;
        _pushedBack = END;
        return byte;
    }
    if (_position == _length && !_fill()) {
        return END;
    }
    return _buffer[_position++];
}

int BrixByteReader::peek() {
    if (_pushedBack != END) {
        return _pushedBack;
    }
    if (_position == _length && !_fill()) {
        return END;
    }
    return _buffer[_position];
}

void BrixByteReader::unget(int byte) {
    if (byte != END) {
        _pushedBack = byte;
    }
}

void BrixByteReader::stop() {
    _exhausted = true;
    _position = 0;
    _length = 0;
    _pushedBack = END;
}

} // namespace tarvex
