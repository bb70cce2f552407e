"""A reader of the Brix text data format that follows the game's own scanner byte for byte.

The check of resource_db uses it so that a definition file is judged exactly as the game will
read it: quoting, comments, nested groups, `name* =` arrays and `child:name =` fields included.
Only reading is needed here, so queries are limited to what the checks ask for.
"""

BLANKS = "".join(chr(c) for c in range(33))


class BrixField:
    def __init__(self, name):
        self.name = name
        self.value = None
        self.array = None

    @property
    def is_array(self):
        return self.array is not None

    def text(self):
        """The value as the resource reader stores it: arrays count as ""."""
        return "" if self.is_array else self.value


class BrixGroup:
    def __init__(self):
        self.identifier = ""
        self.is_array = False
        self.meta = {}
        self.fields = {}
        self.number_of_fields = 0
        self.children = []
        self.child_lookup = {}

    def set_identifier(self, text):
        if text == "":
            self.identifier = "*"
            return
        if any(ch in text for ch in ":,;"):
            compact = text.replace(" ", "").replace(";", ",")
            for part in compact.split(","):
                if ":" in part:
                    key, value = part.split(":", 1)
                    self.meta[key.lower()] = value
            self.identifier = self.meta.get("n", "")
            return
        self.identifier = text

    def get_meta(self, key):
        return self.meta.get(key.lower(), "")

    def add_child(self, child):
        self.children.append(child)
        self.child_lookup[child.identifier] = child

    def add_field(self, name, value, is_array):
        if name.endswith("*"):
            is_array = True
        if is_array:
            existing = self.fields.get(name)
            if existing is not None:
                if existing.array is None:  # a plain field turning into an array
                    existing.array = []
                existing.array.append(value)
                return
            field = BrixField(name)
            field.array = [value]
        else:
            field = BrixField(name)
            field.value = value
        self.fields[name] = field
        self.number_of_fields += 1

    def get_child(self, name, offset=-1):
        found = self.child_lookup.get(name)
        if found is None or not found.is_array:
            return found
        if offset == -1:
            return found
        count = 0
        for child in self.children:
            if child.identifier == name:
                if count == offset:
                    return child
                count += 1
        return None

    def field_text(self, name, default=None):
        field = self.fields.get(name)
        return default if field is None else field.text()


class _Stream:
    def __init__(self, data: bytes):
        self.data = data
        self.pos = 0

    def read(self):
        if self.pos >= len(self.data):
            return None
        ch = chr(self.data[self.pos])
        self.pos += 1
        return ch

    def peek(self):
        return chr(self.data[self.pos]) if self.pos < len(self.data) else None

    def unread(self):
        self.pos -= 1


def _find_group_start(stream):
    previous = None
    while True:
        ch = stream.read()
        if ch is None:
            return False
        if ch == "[":
            stream.unread()
            return True
        if ch == "/" and previous == "/":
            _skip_line(stream)
            previous = None
            continue
        if ch == "*" and previous == "/":
            _skip_block(stream, put_back=False)
            previous = None
            continue
        previous = ch


def _skip_line(stream):
    while True:
        ch = stream.read()
        if ch is None or ch == "\n":
            return


def _skip_block(stream, put_back):
    previous = None
    while True:
        ch = stream.read()
        if ch is None:
            return
        if ch == "/" and previous == "*":
            if put_back:
                stream.unread()
            return
        previous = ch


def _read_group(stream):
    group = BrixGroup()
    name, value = "", ""
    name_part, quoted, array_mark = True, False, False
    previous, upcoming = None, None
    while True:
        ch = stream.read()
        if ch is None:
            return None  # the stream ended inside the group: it is dropped
        peeked = stream.peek()
        if peeked is not None:
            upcoming = peeked
        if ch == "[":
            if quoted:
                value += "["
            elif upcoming == "[":
                stream.read()
                text = ""
                while True:
                    c = stream.read()
                    if c is None:
                        break
                    if c == "]" and stream.peek() == "]":
                        stream.read()
                        break
                    text += c
                value = text
            elif group.identifier == "":
                text = ""
                while True:
                    c = stream.read()
                    if c is None:
                        return None
                    if c == "]":
                        break
                    text += c
                if text.endswith("*"):
                    group.is_array = True
                    text = text.replace("*", "")
                group.set_identifier(text)
            else:
                stream.unread()
                child = _read_group(stream)
                if child is not None:
                    group.add_child(child)
        elif ch == "/":
            if not quoted and previous == "/":
                _skip_line(stream)
                previous = None
                continue
            if not name_part:
                value += "/"
        elif ch == "*":
            if quoted:
                value += "*"
            elif previous == "/":
                _skip_block(stream, put_back=True)
            elif name_part:
                array_mark = True
            else:
                value += "*"
        elif ch == ";":
            name, value = name.strip(BLANKS), value.strip(BLANKS)
            if ":" in name:
                child_name, field_name = name.split(":", 1)
                child = group.get_child(child_name, -1)
                if child is None:
                    child = BrixGroup()
                    child.set_identifier(child_name)
                    group.add_child(child)
                child.add_field(field_name, value, array_mark)
            else:
                group.add_field(name, value, array_mark)
            name, value = "", ""
            name_part, quoted, array_mark = True, False, False
        elif ch == "=":
            name_part = False
        elif ch == "\n":
            while True:
                c = stream.read()
                if c is None:
                    break
                if ord(c) > 30:
                    stream.unread()
                    break
        elif ch == '"':
            if previous == "\\":
                if name_part:
                    name += '"'
                else:
                    value += '"'
            else:
                quoted = not quoted
        elif ch == "{":
            if not name_part or quoted:
                value += "{"
        elif ch == "}":
            if quoted:
                value += "}"
            else:
                return group
        elif ord(ch) < 32:
            pass
        elif name_part:
            name += ch
        else:
            value += ch
        previous = ch


class BrixFile:
    def __init__(self):
        self.groups = []

    @staticmethod
    def parse(data: bytes):
        brix = BrixFile()
        stream = _Stream(data)
        while _find_group_start(stream):
            group = _read_group(stream)
            if group is not None:
                brix.groups.append(group)
        return brix

    def get_group(self, name, offset=-1):
        count = 0
        for group in self.groups:
            if group.identifier != name:
                continue
            if not group.is_array:
                return group
            if offset >= 0 and count == offset:
                return group
            count += 1
        return None
