"""Resource definitions read from a "resources.brix" file the way the game's resource manager
reads them: the `resources` group, its namespace and default type, includes first, then every
child group whose header has a non-empty `t`."""

from dataclasses import dataclass, field
from pathlib import Path

from .brix import BrixFile


@dataclass
class Definition:
    name: str
    namespace: str
    file_name: str
    resource_type: str
    details: dict = field(default_factory=dict)
    data: dict = field(default_factory=dict)
    declared_in: str = ""

    @property
    def full_name(self):
        return f"{self.namespace}.{self.name}"


class DefinitionError(Exception):
    pass


def read_definitions(path: Path):
    """All definitions of a definition file and its includes, in the order the game adds them."""
    base_directory = str(path.parent) + "/"
    return _read(path, base_directory, depth=0)


def _read(path: Path, base_directory, depth):
    if depth > 8:
        raise DefinitionError(f"{path}: includes nest too deeply")
    try:
        data = path.read_bytes()
    except OSError as error:
        raise DefinitionError(f"{path}: cannot be read ({error.strerror})") from None
    resources = BrixFile.parse(data).get_group("resources", -1)
    if resources is None:
        raise DefinitionError(f"{path}: has no [resources] group")
    namespace = resources.field_text("namespace", "")
    default_type = resources.field_text("default_type", "")
    definitions = []
    include = resources.fields.get("include")
    if include is not None:
        names = include.array if include.is_array else [include.value]
        for name in names:
            definitions += _read(Path(base_directory + name), base_directory, depth + 1)
    for child in resources.children:
        if child.get_meta("t") == "":
            continue
        file_value = child.field_text("file", "")
        definition = Definition(
            name=child.identifier,
            namespace=namespace,
            file_name=base_directory + file_value if file_value else str(path),
            resource_type=child.field_text("type", default_type),
            declared_in=str(path),
        )
        for name in sorted(child.fields):
            if name not in ("type", "name", "file"):
                definition.details[name] = child.fields[name].text()
        for nested in child.children:
            definition.data[nested.identifier] = {
                name: nested.fields[name].text() for name in nested.fields}
        definitions.append(definition)
    return definitions
