// Prints the swatches of an .ase file as ase-utils decodes them, as JSON:
// node dump.js FILE
var fs = require('fs');
var decode = require('./decode');
process.stdout.write(JSON.stringify(decode(fs.readFileSync(process.argv[2]))));
