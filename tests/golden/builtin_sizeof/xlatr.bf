size    word     sizeW    word
length  word     lengthW  word
last    word     lastW    word
abs     word     absW     word
