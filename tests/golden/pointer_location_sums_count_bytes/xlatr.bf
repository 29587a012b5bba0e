low       byte     lowB      byte
low       word     lowW      byte
low       integer  lowI      byte
low       dword    lowD      word

high      byte     highB     byte
high      word     highW     byte
high      integer  highI     byte
high      dword    highD     word

Double    byte     doubleB   word
Double    word     doubleW   dword

shl       byte     shlB      byte
shl       word     shlW      word
shl       dword    shlD      dword

shr       byte     shrB      byte
shr       word     shrW      word
shr       dword    shrD      dword

rol       byte     rolB      byte
rol       word     rolW      word
rol       dword    rolD      dword

ror       byte     rorB      byte
ror       word     rorW      word
ror       dword    rorD      dword

scl       byte     sclB      byte
scl       word     sclW      word
scl       dword    sclD      dword

scr       byte     scrB      byte
scr       word     scrW      word
scr       dword    scrD      dword

sal       integer  salI      integer
sal       word     salW      integer

sar       integer  sarI      integer
sar       word     sarW      integer

abs       real     absR      real

iabs      integer  iabsI     integer
iabs      word     iabsW     integer

fix       real     fixR      integer

Float     integer  floatI    real
Float     word     floatW    real

Int       word     intW      integer

Signed    byte     signedB   integer
Signed    word     signedW   integer

unsign    integer  unsignI   word
unsign    word     unsignW   word

dec       byte     decB      byte
dec       word     decW      byte

movb      pointer  movb      word

movw      pointer  movw      word

movrb     pointer  movrb     word

movrw     pointer  movrw     word

cmpb      pointer  cmpb      word

cmpw      pointer  cmpw      word

findb     pointer  findb     word

findw     pointer  findw     word

findrb    pointer  findrb    word

findrw    pointer  findrw    word

skipb     pointer  skipb     word

skipw     pointer  skipw     word

skiprb    pointer  skiprb    word

skiprw    pointer  skiprw    word

setb      byte     setb      word

setw      word     setw      word

xlat      pointer  xlat      word

lockset   pointer  lockset   byte

move      byte     moveB     word
move      word     moveW     word

time      byte     timeB     word
time      word     timeW     word

input     byte     inputB    byte
input     word     inputW    byte

output    byte     outputB   word
output    word     outputW   word

inword    byte     inwordB   word
inword    word     inwordW   word

outword   byte     outwordB  word
outword   word     outwordW  word
