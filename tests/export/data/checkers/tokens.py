# Colour tokens of a design-token file, read with Python's json after the
# W3C Design Tokens Community Group format: python3 tokens.py FILE prints
# [["group.token", "#rrggbb"], ...] as JSON. Names must not start with "$"
# nor hold ".", "{" or "}"; every token must be of type "color" with a
# "#rrggbb" value.
import sys, json, re
def pairs(items):
    keys = [k for k, _ in items]
    assert len(keys) == len(set(keys)), 'a name given twice'
    return items
doc = json.loads(open(sys.argv[1], 'rb').read().decode('utf-8'), object_pairs_hook=pairs)
out = []
def walk(node, path):
    for key, value in node:
        if key.startswith('$'):
            continue
        assert not any(c in key for c in '.{}'), key
        assert isinstance(value, list), key
        members = dict(value)
        if '$value' in members:
            assert members['$type'] == 'color', members
            assert re.fullmatch('#[0-9a-f]{6}', members['$value']), members['$value']
            out.append(['.'.join(path + [key]), members['$value']])
        else:
            walk(value, path + [key])
walk(doc, [])
print(json.dumps(out))
