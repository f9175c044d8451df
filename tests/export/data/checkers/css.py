# The custom properties of a style sheet as tinycss2 (Debian's
# python3-tinycss2) reads them: python3 css.py FILE prints
# [[name without "--", "rrggbb"], ...] as JSON. Every rule must be ":root"
# and every declaration a custom property holding one hash token.
import sys, json, tinycss2
text = open(sys.argv[1], 'rb').read()
rules, encoding = tinycss2.parse_stylesheet_bytes(text, skip_whitespace=True, skip_comments=True)
assert encoding.name == 'utf-8', encoding
out = []
for r in rules:
    if r.type == 'at-rule' and r.lower_at_keyword == 'charset':
        continue
    assert r.type == 'qualified-rule', r
    assert tinycss2.serialize(r.prelude).strip() == ':root', r.prelude
    for d in tinycss2.parse_declaration_list(r.content, skip_whitespace=True, skip_comments=True):
        assert d.type == 'declaration', d
        assert d.name.startswith('--'), d.name
        tokens = [t for t in d.value if t.type != 'whitespace']
        assert len(tokens) == 1 and tokens[0].type == 'hash', d.value
        out.append([d.name[2:], tokens[0].value])
print(json.dumps(out))
