# A GIMP palette reader after GIMP's file layout, independent of the studio's:
# python3 gpl.py FILE prints [[r, g, b, name], ...] as JSON. Strict about
# what GIMP needs: the header line, LF line ends, UTF-8, channels 0..255.
import sys, json
data = open(sys.argv[1], 'rb').read()
assert b'\r' not in data, 'CR in a GIMP palette'
lines = data.decode('utf-8').split('\n')
assert lines[0] == 'GIMP Palette', lines[0]
assert lines[-1] == '', 'the last line has no line end'
rows = []
for line in lines[1:-1]:
    if not line.strip() or line.startswith('#') or line.startswith('Name:') or line.startswith('Columns:'):
        continue
    parts = line.split(None, 3)
    r, g, b = (int(x) for x in parts[:3])
    assert all(0 <= v <= 255 for v in (r, g, b)), line
    rows.append([r, g, b, parts[3].strip() if len(parts) > 3 else ''])
print(json.dumps(rows))
